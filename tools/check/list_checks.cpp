#include "list_checks.h"

#include "catalog/catalog.h"
#include "catalog/list_reading.h"
#include "data_file.h"
#include "scanned_text.h"
#include "sound/sound.h"
#include "sound/sound_player.h"
#include "split_tokens.h"

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>
#include <tuple>
#include <utility>

namespace {

struct ListRecord {
    std::vector<std::string> fields; // as the game's reader took them
    int line;
};

struct FieldShape {
    FieldType type; // Integer or Word
    const char* what;
};

// The game's own list reader over the text: how many records it takes, and where its stream
// stood when it stopped.
template <class... Fields> std::pair<std::size_t, std::size_t> GameRead(const std::string& text) {
    std::istringstream list(text);
    std::tuple<Fields...> fields;
    std::size_t records = 0;
    while (std::apply([&](Fields&... field) { return ReadListRecord(list, field...); }, fields)) {
        ++records;
    }
    list.clear();
    return {records,
            static_cast<std::size_t>(list.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in))};
}

// Reads a list as the catalog does, with each record's line. Reports a list that cannot be
// opened (none then) and where reading stops early.
std::optional<std::vector<ListRecord>>
ReadList(const std::string& gamePath, const std::string& file, const std::vector<FieldShape>& shape,
         const std::string& whenUnopened, Findings& findings) {
    const DataText data = ReadDataText(gamePath);
    if (data.status == TextStatus::CannotOpen) {
        findings.Error(file, 0, "cannot be opened: " + whenUnopened);
        return std::nullopt;
    }
    if (data.status == TextStatus::TooLarge) {
        findings.Error(file, 0, "is larger than 64 MiB and is not checked");
        return std::nullopt;
    }
    const ScannedText text(data.text);
    const auto [taken, stop] =
        shape[0].type == FieldType::Integer
            ? GameRead<int, std::string>(data.text)
            : (shape.size() == 1 ? GameRead<std::string>(data.text)
                                 : GameRead<std::string, std::string>(data.text));

    TokenReader reader(text);
    std::vector<ListRecord> records;
    while (!reader.Stopped() && records.size() < taken) {
        const std::size_t first = reader.Fields().size();
        for (const FieldShape& field : shape) {
            field.type == FieldType::Integer ? reader.Integer(field.what) : reader.Word(field.what);
        }
        ListRecord record{{}, text.LineAt(reader.Fields()[first].start)};
        for (std::size_t i = first; i < reader.Fields().size(); ++i) {
            const ReadField& field = reader.Fields()[i];
            record.fields.push_back(data.text.substr(field.start, field.end - field.start));
        }
        records.push_back(std::move(record));
    }
    // One more record as the game tries it: the end of the file, or where reading stops.
    const std::size_t first = reader.Fields().size();
    for (const FieldShape& field : shape) {
        field.type == FieldType::Integer ? reader.Integer(field.what) : reader.Word(field.what);
    }
    const std::vector<ReadField>& fields = reader.Fields();
    const ReadField* stopped = FieldAt(fields, stop);
    const std::size_t at = stopped ? static_cast<std::size_t>(stopped - fields.data()) : first;
    ReportSplitTokens(fields, at, text, file, findings);
    if (at >= fields.size() || (at == first && fields[at].start >= data.text.size())) {
        return records;
    }
    const ReadField& field = fields[at];
    const std::string token =
        data.text.substr(field.start, text.TokenEnd(field.start) - field.start);
    if (field.start >= data.text.size()) {
        const ReadField& head = fields[first];
        findings.Error(file, text.LineAt(head.start),
                       "the file ends inside a record: " +
                           Quoted(data.text.substr(head.start, head.end - head.start)) +
                           " has no " + field.what);
    } else if (text.InsideToken(field.start)) {
        findings.Error(file, text.LineAt(field.start),
                       SplitToken(fields, at, text) + " and stops at " + Quoted(token));
    } else {
        findings.Error(file, text.LineAt(field.start),
                       Quoted(token) + " cannot be read as " + field.what + " (" +
                           Expected(field.type) + "); the game stops reading " + file + " here");
    }
    return records;
}

// Warns of each record whose first field repeats an earlier record's.
void ReportRepeats(const std::vector<ListRecord>& records, std::size_t upTo,
                   const std::string& file, const std::string& what, const std::string& effect,
                   Findings& findings) {
    std::map<std::string, int> firstLine;
    for (std::size_t i = 0; i < records.size() && i < upTo; ++i) {
        const auto [first, isFirst] = firstLine.emplace(records[i].fields[0], records[i].line);
        if (!isFirst) {
            findings.Warning(file, records[i].line,
                             what + " " + Quoted(records[i].fields[0]) +
                                 " is listed again (first on line " +
                                 std::to_string(first->second) + "): " + effect);
        }
    }
}

// The record at which the catalog stopped loading a list, if it did. Every record before it
// was loaded, so a name listed once is loaded exactly when the catalog holds it; for a name
// listed more than once the record's file is loaded again to tell.
std::optional<std::size_t> FirstFailing(const std::vector<ListRecord>& records,
                                        const std::function<bool(const std::string&)>& holds,
                                        const std::function<bool(const ListRecord&)>& loads) {
    std::map<std::string, int> times;
    for (const ListRecord& record : records) {
        ++times[record.fields[0]];
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::string& name = records[i].fields[0];
        if (times[name] > 1 ? !loads(records[i]) : !holds(name)) {
            return i;
        }
    }
    return std::nullopt;
}

// Whether a data file can be opened: a file that opens but does not load is broken, one
// that does not open is missing.
bool Opens(const std::string& gamePath) {
    std::FILE* file = OpenDataFile(gamePath.c_str(), "rb");
    if (file) {
        std::fclose(file);
    }
    return file != nullptr;
}

// A file of a style's sub-folder ("models", "sounds"), as the game opens it and as a report
// shows it.
struct StyleFile {
    std::string gamePath;
    std::string shown;
};

StyleFile InStyle(const std::string& style, const char* folder, const std::string& name) {
    return {style + "\\" + folder + "\\" + name, Quoted(style + "/" + folder + "/" + name)};
}

// What the loader of one list makes of a record, and its words for messages.
struct ListLoader {
    std::string style;
    const char* folder;                            // "models"
    const char* what;                              // "model"
    const char* fileKind;                          // "mesh file"
    const char* loadedAs;                          // "a mesh"
    std::function<bool(const std::string&)> holds; // the catalog holds a loaded entry
};

// The error for the record that stopped a list: its file missing or not loadable, and the
// names after it that the catalog therefore lacks.
void ReportFailing(const std::vector<ListRecord>& records, std::size_t failing,
                   const std::string& file, const ListLoader& loader, Findings& findings) {
    const ListRecord& record = records[failing];
    const StyleFile loaded = InStyle(loader.style, loader.folder, record.fields[1]);
    std::vector<std::string> lost;
    for (std::size_t i = failing + 1; i < records.size(); ++i) {
        const std::string& name = records[i].fields[0];
        if (!loader.holds(name) && name != record.fields[0] &&
            std::find(lost.begin(), lost.end(), name) == lost.end()) {
            lost.push_back(name);
        }
    }
    std::string message =
        std::string(loader.fileKind) + " " + loaded.shown + " of " + loader.what + " " +
        Quoted(record.fields[0]) +
        (Opens(loaded.gamePath) ? " cannot be loaded as " + std::string(loader.loadedAs)
                                : " is missing") +
        "; the game stops reading " + file + " here";
    constexpr std::size_t kNamed = 8;
    for (std::size_t i = 0; i < lost.size() && i < kNamed; ++i) {
        message +=
            (i == 0 ? ", and the " + std::string(loader.what) + (lost.size() == 1 ? " " : "s ")
                    : ", ") +
            Quoted(lost[i]);
    }
    if (lost.size() > kNamed) {
        message += " and " + std::to_string(lost.size() - kNamed) + " more";
    }
    if (!lost.empty()) {
        message += lost.size() == 1 ? " is lost" : " are lost";
    }
    findings.Error(file, record.line, message);
}

std::set<std::string> NamesOf(const std::vector<ListRecord>& records) {
    std::set<std::string> names;
    for (const ListRecord& record : records) {
        names.insert(record.fields[0]);
    }
    return names;
}

std::string CheckStyles(const CCatalog& catalog, Findings& findings) {
    const auto records =
        ReadList("styles.txt", "styles.txt",
                 {{FieldType::Integer, "the style number"}, {FieldType::Word, "the style folder"}},
                 "the game has no styles, so no models, sounds or textures", findings);
    if (!records) {
        return {};
    }
    ReportRepeats(*records, records->size(), "styles.txt", "style",
                  "this record replaces the first", findings);
    const auto style0 = catalog.m_styles.find(0);
    if (style0 == catalog.m_styles.end()) {
        findings.Error("styles.txt", 0,
                       "there is no style 0, whose models, sounds and textures the game loads");
        return {};
    }
    return style0->second;
}

std::vector<LevelEntry> CheckLevelList(const CCatalog& catalog, Findings& findings) {
    const auto records = ReadList("levels.txt", "levels.txt", {{FieldType::Word, "the level file"}},
                                  "the game has no levels", findings);
    if (!records) {
        return {};
    }
    if (catalog.m_levels.empty()) {
        findings.Error("levels.txt", 0, "lists no levels: the game has nothing to play");
    }
    ReportRepeats(*records, records->size(), "levels.txt", "level", "the game plays it again there",
                  findings);
    std::vector<LevelEntry> levels;
    for (std::size_t i = 0; i < catalog.m_levels.size(); ++i) {
        levels.push_back({catalog.m_levels[i], i < records->size() ? (*records)[i].line : 0});
    }
    return levels;
}

std::optional<std::set<std::string>> CheckModels(CCatalog& catalog, const std::string& style,
                                                 const std::string& file, Findings& findings) {
    const auto records =
        ReadList(style + "\\models.txt", file,
                 {{FieldType::Word, "the model name"}, {FieldType::Word, "the mesh file"}},
                 "the style has no models", findings);
    if (!records) {
        return std::nullopt;
    }
    const ListLoader loader{
        style, "models", "model", "mesh file", "a mesh", [&](const std::string& name) {
            const auto model = catalog.m_models.find(name);
            return model != catalog.m_models.end() && model->second.pMesh != nullptr;
        }};
    const auto loads = [&](const ListRecord& record) {
        ID3DXMesh* mesh = nullptr;
        const HRESULT result = D3DXLoadMeshFromXA(
            InStyle(style, "models", record.fields[1]).gamePath.c_str(), D3DXMESH_MANAGED,
            catalog.m_pDevice, nullptr, nullptr, nullptr, nullptr, &mesh);
        if (mesh) {
            mesh->Release();
        }
        return result == D3D_OK;
    };
    const std::optional<std::size_t> failing = FirstFailing(*records, loader.holds, loads);
    const std::size_t loaded = failing.value_or(records->size());
    ReportRepeats(*records, loaded, file, "model",
                  "the entry keeps this mesh but draws it with the first mesh's materials",
                  findings);
    std::set<std::string> looked;
    for (std::size_t i = 0; i < loaded; ++i) {
        const std::string& name = (*records)[i].fields[0];
        if (!looked.insert(name).second) {
            continue;
        }
        std::set<std::string> reported;
        for (const std::string& texture : catalog.m_models.at(name).textureNames) {
            if (!texture.empty() && !catalog.m_textures.contains(texture) &&
                reported.insert(texture).second) {
                findings.Warning(file, (*records)[i].line,
                                 "model " + Quoted(name) + " uses texture " + Quoted(texture) +
                                     ", which textures.txt does not list: it is drawn untextured");
            }
        }
    }
    if (failing) {
        ReportFailing(*records, *failing, file, loader, findings);
    }
    return NamesOf(*records);
}

std::optional<std::set<std::string>> CheckSounds(CCatalog& catalog, const std::string& style,
                                                 const std::string& file, Findings& findings) {
    const auto records =
        ReadList(style + "\\sounds.txt", file,
                 {{FieldType::Word, "the sound name"}, {FieldType::Word, "the WAV file"}},
                 "the style has no sounds", findings);
    if (!records) {
        return std::nullopt;
    }
    CSoundPlayer& player = *catalog.m_pSoundManager;
    if (!player.IsReady()) {
        findings.Error(file, 0, "cannot be checked: the sound player did not start");
        return NamesOf(*records);
    }
    const ListLoader loader{
        style, "sounds", "sound", "WAV file", "a sound", [&](const std::string& name) {
            const auto sound = catalog.m_sounds.find(name);
            return sound != catalog.m_sounds.end() && sound->second != nullptr;
        }};
    const auto loads = [&](const ListRecord& record) {
        std::string path = InStyle(style, "sounds", record.fields[1]).gamePath;
        CSound* sound = nullptr;
        const bool loaded = player.CreateSound(&sound, path.data()) == 0;
        delete sound;
        return loaded;
    };
    const std::optional<std::size_t> failing = FirstFailing(*records, loader.holds, loads);
    ReportRepeats(*records, failing.value_or(records->size()), file, "sound",
                  "this record replaces the first", findings);
    if (failing) {
        ReportFailing(*records, *failing, file, loader, findings);
    }
    return NamesOf(*records);
}

void CheckTextures(const CCatalog& catalog, const std::string& style, const std::string& file,
                   Findings& findings) {
    const auto records =
        ReadList(style + "\\textures.txt", file, {{FieldType::Word, "the image file"}},
                 "the style has no textures", findings);
    if (!records) {
        return;
    }
    ReportRepeats(*records, records->size(), file, "texture", "it is loaded again", findings);
    std::set<std::string> reported;
    for (const ListRecord& record : *records) {
        const std::string& name = record.fields[0];
        const auto texture = catalog.m_textures.find(name);
        if ((texture != catalog.m_textures.end() && texture->second != nullptr) ||
            !reported.insert(name).second) {
            continue;
        }
        const StyleFile image = InStyle(style, "textures", name);
        findings.Error(
            file, record.line,
            "image file " + image.shown +
                (Opens(image.gamePath) ? " cannot be loaded as a texture" : " is missing"));
    }
}

} // namespace

ListsOutcome CheckLists(CCatalog& catalog, Findings& findings) {
    ListsOutcome lists;
    lists.style0 = CheckStyles(catalog, findings);
    if (!lists.style0.empty()) {
        lists.modelsList = lists.style0 + "/models.txt";
        lists.soundsList = lists.style0 + "/sounds.txt";
        lists.models = CheckModels(catalog, lists.style0, lists.modelsList, findings);
        lists.sounds = CheckSounds(catalog, lists.style0, lists.soundsList, findings);
        CheckTextures(catalog, lists.style0, lists.style0 + "/textures.txt", findings);
    }
    lists.levels = CheckLevelList(catalog, findings);
    return lists;
}

void CheckRequiredNames(const ListsOutcome& lists, Findings& findings) {
    static const std::pair<const char*, const char*> kModels[] = {
        {"menuIntro", "the title screen"},
        {"menuIntroduction", "the introduction screen"},
        {"menuComplete", "the level-complete screen"},
        {"menuGameover", "the game-over screen"},
        {"floor", "the floor under the board"},
        {"pointer", "the mouse pointer"},
        {"bullet", "the shots, which hit with its bounding sphere"},
        {"train", "the train"},
        {"rrecht", "its targets, and for the sphere with which 'blocked' tiles stop shots"},
    };
    static const std::pair<const char*, const char*> kSounds[] = {
        {"blues", "as the music"},
        {"steam", "when a shot is fired"},
        {"toot", "when a 'speed' target is hit"},
        {"coins", "when a score target is hit"},
        {"rail", "when a piece is laid"},
        {"explode", "when a 'block' is hit"},
    };
    for (const auto& [name, use] : kModels) {
        if (lists.models && !lists.models->contains(name)) {
            findings.Error(lists.modelsList, 0,
                           "no model " + Quoted(name) + ", which the game needs for " + use);
        }
    }
    for (const auto& [name, use] : kSounds) {
        if (lists.sounds && !lists.sounds->contains(name)) {
            findings.Error(lists.soundsList, 0,
                           "no sound " + Quoted(name) + ", which the game plays " + use);
        }
    }
}
