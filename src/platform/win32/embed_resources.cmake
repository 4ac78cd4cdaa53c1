# rw_embed_resources(<target> TYPE <type> <name> <file> [<name> <file> ...])
#
# Embeds files in <target> as program resources of that type, found at run time with
# FindResourceA(NULL, <name>, <type>); names and types are identifiers (letters, digits and
# underscores, not starting with a digit). On Windows the files go into a resource script
# compiled by the resource compiler; elsewhere their bytes are compiled into a generated
# source that registers them before main, rebuilt whenever one of the files changes.
function(rw_embed_resources target type_keyword type)
    set(script ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/embed_resources_source.cmake)
    if(NOT type_keyword STREQUAL "TYPE")
        message(FATAL_ERROR "rw_embed_resources(${target}): expected TYPE <type>")
    endif()
    list(LENGTH ARGN count)
    math(EXPR odd "${count} % 2")
    if(count EQUAL 0 OR odd)
        message(FATAL_ERROR "rw_embed_resources(${target}): expected <name> <file> pairs")
    endif()
    set(manifest_text "")
    set(files "")
    set(rc_text "")
    while(ARGN)
        list(POP_FRONT ARGN name file)
        foreach(word IN ITEMS ${type} ${name})
            if(NOT word MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
                message(FATAL_ERROR "rw_embed_resources(${target}): '${word}' is no identifier")
            endif()
        endforeach()
        cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
        if(NOT file MATCHES "^[^\"\\\\\n]+$")
            message(FATAL_ERROR "rw_embed_resources(${target}): unusable path '${file}'")
        endif()
        string(APPEND manifest_text "${name}\n${file}\n")
        string(APPEND rc_text "${name} ${type} \"${file}\"\n")
        list(APPEND files ${file})
    endwhile()
    set(stem ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources_${type})
    if(WIN32)
        file(GENERATE OUTPUT ${stem}.rc CONTENT "${rc_text}")
        target_sources(${target} PRIVATE ${stem}.rc)
        set_source_files_properties(${stem}.rc PROPERTIES OBJECT_DEPENDS "${files}")
        return()
    endif()
    file(GENERATE OUTPUT ${stem}.txt CONTENT "${manifest_text}")
    add_custom_command(
        OUTPUT ${stem}.cpp
        COMMAND ${CMAKE_COMMAND} -DMANIFEST=${stem}.txt -DTYPE=${type} -DOUTPUT=${stem}.cpp
                -P ${script}
        DEPENDS ${files} ${stem}.txt ${script}
        COMMENT "Embedding ${type} resources in ${target}"
        VERBATIM)
    target_sources(${target} PRIVATE ${stem}.cpp)
endfunction()
