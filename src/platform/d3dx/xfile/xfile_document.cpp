// Recursive-descent reading of .x data objects into a Document.
#include "xfile/xfile_document.h"

#include <d3d9.h>

#include <algorithm>
#include <unordered_map>

#include "xfile/xfile_errors.h"
#include "xfile/xfile_lexer.h"

namespace d3dx::xfile {

namespace {

class Parser {
public:
    Parser(std::string_view text, Document& document) : lexer_(text), document_(document) {}

    HRESULT Run();

private:
    Token Peek(std::size_t ahead);
    Token Take();

    bool SkipTemplate();
    bool ParseObject(std::string_view type, std::string_view name, std::uint32_t depth,
                     ObjectId& id);
    bool ParseBody(DataObject& object, std::uint32_t depth);
    bool ParseReference(ObjectId& id);
    // True when `word` starts a data object: a type name, then '{' or a name and '{'.
    bool IsObjectStart(const Token& word);
    // After such a word: takes the name (empty if none) and the opening brace.
    std::string_view TakeObjectName();

    Lexer lexer_;
    Document& document_;
    std::unordered_map<std::string_view, ObjectId> named_;
    Token lookahead_[2];
    std::size_t buffered_ = 0;
};

Token Parser::Peek(std::size_t ahead) {
    while (buffered_ <= ahead) {
        lookahead_[buffered_++] = lexer_.Next();
    }
    return lookahead_[ahead];
}

Token Parser::Take() {
    Token token = Peek(0);
    lookahead_[0] = lookahead_[1];
    --buffered_;
    return token;
}

HRESULT Parser::Run() {
    bool seenData = false;
    for (;;) {
        Token token = Take();
        if (token.kind == TokenKind::End) {
            return D3D_OK;
        }
        if (token.kind == TokenKind::Word && token.text == "template") {
            if (!SkipTemplate()) {
                return seenData ? D3D_OK : kParseError;
            }
            continue;
        }
        seenData = true;
        ObjectId id = 0;
        if (!IsObjectStart(token) || !ParseObject(token.text, TakeObjectName(), 1, id)) {
            return D3D_OK;
        }
        document_.topLevel.push_back(id);
    }
}

bool Parser::IsObjectStart(const Token& word) {
    if (word.kind != TokenKind::Word || !IsTypeName(word.text)) {
        return false;
    }
    Token next = Peek(0);
    if (next.kind == TokenKind::OpenBrace) {
        return true;
    }
    return next.kind == TokenKind::Word && IsObjectName(next.text) &&
           Peek(1).kind == TokenKind::OpenBrace;
}

std::string_view Parser::TakeObjectName() {
    std::string_view name;
    if (Peek(0).kind == TokenKind::Word) {
        name = Take().text;
    }
    Take(); // the opening brace, checked by IsObjectStart
    return name;
}

bool Parser::SkipTemplate() {
    Token name = Take();
    if (name.kind != TokenKind::Word || !IsTypeName(name.text) ||
        Take().kind != TokenKind::OpenBrace) {
        return false;
    }
    std::uint32_t open = 1;
    while (open > 0) {
        Token token = Take();
        if (token.kind == TokenKind::End || token.kind == TokenKind::Invalid) {
            return false;
        }
        if (token.kind == TokenKind::OpenBrace && ++open > kMaxDepth) {
            return false;
        }
        if (token.kind == TokenKind::CloseBrace) {
            --open;
        }
    }
    return true;
}

bool Parser::ParseObject(std::string_view type, std::string_view name, std::uint32_t depth,
                         ObjectId& id) {
    if (depth > kMaxDepth) {
        return false;
    }
    DataObject object;
    object.type = type;
    object.name = name;
    if (!ParseBody(object, depth)) {
        return false;
    }
    for (ObjectId child : object.children) {
        object.height = std::max(object.height, document_.objects[child].height + 1);
    }
    if (object.height > kMaxDepth) {
        return false;
    }
    id = static_cast<ObjectId>(document_.objects.size());
    document_.objects.push_back(std::move(object));
    if (!name.empty()) {
        named_.emplace(name, id);
    }
    return true;
}

bool Parser::ParseBody(DataObject& object, std::uint32_t depth) {
    // Consecutive values need a ',' or ';' between them, as the platform's reader wants.
    bool afterValue = false;
    for (bool first = true;; first = false) {
        Token token = Take();
        ObjectId child = 0;
        bool isValue = token.kind == TokenKind::String ||
                       (token.kind == TokenKind::Word && !IsObjectStart(token));
        if (isValue && afterValue && !token.separated) {
            return false;
        }
        afterValue = isValue;
        switch (token.kind) {
        case TokenKind::CloseBrace:
            return true;
        case TokenKind::String:
            object.values.push_back({token.text, true});
            break;
        case TokenKind::Guid:
            // Only the object's own class id may follow its opening brace.
            if (!first) {
                return false;
            }
            break;
        case TokenKind::OpenBrace:
            if (!ParseReference(child)) {
                return false;
            }
            object.children.push_back(child);
            break;
        case TokenKind::Word:
            if (isValue) {
                object.values.push_back({token.text, false});
            } else {
                if (!ParseObject(token.text, TakeObjectName(), depth + 1, child)) {
                    return false;
                }
                object.children.push_back(child);
            }
            break;
        case TokenKind::End:
        case TokenKind::Invalid:
            return false;
        }
    }
}

bool Parser::ParseReference(ObjectId& id) {
    Token name = Take();
    if (name.kind != TokenKind::Word) {
        return false;
    }
    auto found = named_.find(name.text);
    if (found == named_.end()) {
        return false;
    }
    if (Peek(0).kind == TokenKind::Guid) {
        Take();
    }
    id = found->second;
    return Take().kind == TokenKind::CloseBrace;
}

} // namespace

HRESULT ParseDocument(std::string_view text, Document& document) {
    return Parser(text, document).Run();
}

} // namespace d3dx::xfile
