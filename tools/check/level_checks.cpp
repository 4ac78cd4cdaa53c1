#include "level_checks.h"

#include "camera_check.h"
#include "level_reading.h"
#include "world/angle.h"
#include "world/bullet.h"
#include "world/tile.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

std::string Tile(int x, int y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

std::string Heading(char heading) {
    return Quoted(std::string(1, heading));
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// Whether a shot that hits an object of this kind removes it, asked of the game's own hit
// rules: a level holding only that object, and a shot on the object's tile (without a
// catalog both spheres have radius 0 and meet at the tile's centre).
bool ShotRemoves(const std::string& kind) {
    static std::map<std::string, bool> answers;
    if (const auto known = answers.find(kind); known != answers.end()) {
        return known->second;
    }
    CLevel probe(nullptr, nullptr, "");
    CLevelObject object;
    object.kind = kind;
    probe.objects.push_back(object);
    CBullet shot{};
    shot.position = TileCentre(0, 0);
    shot.m_pLevel = &probe;
    shot.CheckHits();
    return answers[kind] = probe.objects[0].dead;
}

// A piece that joins no two sides: the train leaves it with no heading, whichever it came in.
bool JoinsNoSides(const CLevelObject& piece) {
    for (const char heading : {'n', 'e', 's', 'w'}) {
        if (CLevel::ExitDirection(piece, heading) != 'x') {
            return false;
        }
    }
    return true;
}

class LevelChecker {
public:
    LevelChecker(const LevelReading& reading, const ScannedText& text, const std::string& file,
                 Findings& findings)
        : reading_(reading), level_(*reading.level), text_(text), file_(file), findings_(findings) {
    }

    void Style(const std::string& style0) {
        const ReadField& word = reading_.layout.fields[1];
        const std::string style = text_.Text().substr(word.start, word.end - word.start);
        if (!style0.empty() && style != style0) {
            findings_.Warning(file_, LineOf(LevelPart::Style),
                              "the level names style " + Quoted(style) +
                                  ", but the game always plays style 0 (" + Quoted(style0) + ")");
        }
    }

    void Board() {
        const std::size_t heightField = reading_.layout.FirstFieldOf(LevelPart::Size) + 1;
        for (const auto& [size, name, field] :
             {std::tuple(level_.height, "height", heightField),
              std::tuple(level_.width, "width", heightField + 2)}) {
            if (size <= 0) {
                findings_.Error(file_, reading_.LineOfField(text_, field),
                                std::string("a ") + name + " of " + std::to_string(size) +
                                    " leaves the board without tiles");
            }
        }
    }

    bool HasTiles() const { return level_.width > 0 && level_.height > 0; }

    void Camera() {
        const std::string outside = BoardOutOfView(*level_.camera, level_.width, level_.height);
        if (!outside.empty()) {
            findings_.Warning(file_, LineOf(LevelPart::Camera),
                              "the camera does not show the whole board: " + outside);
        }
    }

    void Models(const LevelContext& context) {
        std::set<std::string> reported;
        for (std::size_t i = 0; i < level_.objects.size(); ++i) {
            const std::string& kind = level_.objects[i].kind;
            if (reading_.sources[i].aroundStation || kind == "blocked" ||
                context.loadedModels.contains(kind) || !reported.insert(kind).second) {
                continue;
            }
            findings_.Error(file_, LineOfObject(i),
                            "no model " + Quoted(kind) + " in " + context.modelsList +
                                (context.listedModels->contains(kind)
                                     ? " (listed after a mesh that fails to load)"
                                     : "") +
                                ": the game draws nothing for it");
        }
    }

    void Objects() {
        std::map<std::pair<int, int>, std::size_t> firstOnTile;
        for (std::size_t i = 0; i < level_.objects.size(); ++i) {
            const CLevelObject& object = level_.objects[i];
            const bool fromFile = !reading_.sources[i].aroundStation;
            if (fromFile) {
                ObjectOnItsOwn(i);
            }
            const auto [first, isFirst] = firstOnTile.emplace(std::pair(object.x, object.y), i);
            if (!isFirst &&
                (object.kind != "blocked" || level_.objects[first->second].kind != "blocked")) {
                SharedTile(first->second, i);
            }
        }
    }

    void Start() {
        if (!level_.IsOnGrid(level_.trainX, level_.trainY)) {
            findings_.Error(file_, LineOf(LevelPart::Start),
                            "the start " + Tile(level_.trainX, level_.trainY) + " is off the " +
                                BoardSize());
        }
        if (!IsHeading(level_.trainDir)) {
            findings_.Error(file_, LineOf(LevelPart::Start),
                            "the start heading " + Heading(level_.trainDir) +
                                " is not one of n, e, s, w");
        }
    }

    void Finish() {
        const int line = LineOf(LevelPart::Finish);
        if (!level_.IsOnGrid(level_.finishX, level_.finishY)) {
            findings_.Error(file_, line,
                            "the finish " + Tile(level_.finishX, level_.finishY) + " is off the " +
                                BoardSize());
        }
        if (!IsHeading(level_.finishDir)) {
            findings_.Warning(file_, line,
                              "the finish heading " + Heading(level_.finishDir) +
                                  " is not one of n, e, s, w: the track never counts as "
                                  "complete, so the train never hurries to the finish");
        }
        const CLevelObject* there = level_.LiveObjectAt(level_.finishX, level_.finishY);
        if (there && there->kind != "rails" && there->kind != "railscorner" &&
            !ShotRemoves(there->kind)) {
            findings_.Error(file_, line,
                            "the finish " + Tile(level_.finishX, level_.finishY) + " holds " +
                                Describe(IndexOf(there)) +
                                ", which the train cannot enter and no shot removes");
        }
    }

    void Speed() {
        if (!(level_.stepInterval > 0.0f)) {
            const std::size_t field = reading_.layout.FirstFieldOf(LevelPart::Speed) + 1;
            findings_.Error(file_, reading_.LineOfField(text_, field),
                            "a speed of " + Number(level_.stepInterval) +
                                " moves the train on every frame: it must be above 0");
        }
    }

    // The track the game traced from the start: when it does not reach the finish, the tile
    // beyond its end must be able to take a piece some day.
    void TrackFromStart() {
        if (!IsHeading(level_.trainDir) || !level_.IsOnGrid(level_.trainX, level_.trainY) ||
            (level_.trackEndX == level_.finishX && level_.trackEndY == level_.finishY &&
             level_.trackEndDir == level_.finishDir)) {
            return;
        }
        const ::Tile beyond = NextTile(level_.trackEndX, level_.trackEndY, level_.trackEndDir);
        std::string why;
        if (!level_.IsOnGrid(beyond.x, beyond.y)) {
            why = "is off the board";
        } else if (const CLevelObject* there = level_.LiveObjectAt(beyond.x, beyond.y)) {
            if (there->kind == "rails" || there->kind == "railscorner") {
                why = "holds " + Describe(IndexOf(there)) + ", which does not continue it";
            } else if (!ShotRemoves(there->kind)) {
                why = "holds " + Describe(IndexOf(there)) + ", which no shot removes";
            }
        }
        if (!why.empty() && !TrainReachesFinishUnaided()) {
            findings_.Error(
                file_, LineOf(LevelPart::Start),
                "the track from the start ends at " + Tile(level_.trackEndX, level_.trackEndY) +
                    " heading " + Heading(level_.trackEndDir) + ", and the tile beyond it " +
                    Tile(beyond.x, beyond.y) + " " + why + ": no piece can ever be laid there");
        }
    }

private:
    // Whether the train gets to the finish over the pieces the file lays, without a shot (the
    // finish may lie on the track before its end): the game's own train run on a fresh copy
    // of the level, a step per call, for at most as many steps as there are objects.
    bool TrainReachesFinishUnaided() const {
        const LevelReading fresh = ReadLevelText(text_);
        CLevel& level = *fresh.level;
        for (std::size_t step = 0;
             step <= level.objects.size() && !level.gameOver && !level.complete; ++step) {
            level.UpdateTrain(std::max(level.stepInterval, 0.0f));
        }
        return level.complete;
    }

    int LineOf(LevelPart part) const { return reading_.LineOf(text_, part); }
    int LineOfObject(std::size_t index) const {
        return reading_.LineOfRecord(text_, reading_.sources[index].record);
    }
    std::size_t IndexOf(const CLevelObject* object) const {
        return static_cast<std::size_t>(object - level_.objects.data());
    }
    std::string BoardSize() const {
        return "board of " + std::to_string(level_.width) + " x " + std::to_string(level_.height) +
               " tiles";
    }
    // "'tree' (line 12)", or "a tile the station of line 9 blocks".
    std::string Describe(std::size_t index) const {
        if (reading_.sources[index].aroundStation) {
            return "a tile the station of line " + std::to_string(LineOfObject(index)) + " blocks";
        }
        return Quoted(level_.objects[index].kind) + " (line " +
               std::to_string(LineOfObject(index)) + ")";
    }

    void ObjectOnItsOwn(std::size_t index) {
        const CLevelObject& object = level_.objects[index];
        const int line = LineOfObject(index);
        if (!level_.IsOnGrid(object.x, object.y)) {
            findings_.Warning(file_, line,
                              Quoted(object.kind) + " at " + Tile(object.x, object.y) +
                                  " is off the " + BoardSize());
        }
        if ((object.kind == "rails" || object.kind == "railscorner") && JoinsNoSides(object)) {
            findings_.Warning(file_, line,
                              "a " + Quoted(object.kind) + " piece at " +
                                  Number(AngleToWholeDegrees(object.angle)) +
                                  " degrees joins no sides: the train cannot run over it");
        }
        if (!(object.scale > 0.0f)) {
            findings_.Warning(file_, line,
                              Quoted(object.kind) + " has a scale of " + Number(object.scale) +
                                  ", which draws it shrunk to nothing or mirrored");
        }
    }

    void SharedTile(std::size_t first, std::size_t later) {
        const CLevelObject& object = level_.objects[later];
        const std::string tile = Tile(object.x, object.y);
        if (reading_.sources[later].aroundStation) {
            findings_.Warning(file_, LineOfObject(later),
                              "the station blocks " + tile + ", which already holds " +
                                  Describe(first));
        } else {
            findings_.Warning(file_, LineOfObject(later),
                              Quoted(object.kind) + " at " + tile + " shares its tile with " +
                                  Describe(first) + ": the game's rules see only the first");
        }
    }

    const LevelReading& reading_;
    const CLevel& level_;
    const ScannedText& text_;
    const std::string& file_;
    Findings& findings_;
};

} // namespace

LevelSummary CheckLevelText(const std::string& text, const std::string& file,
                            const LevelContext& context, Findings& findings) {
    const int errorsBefore = findings.ErrorsIn(file);
    const ScannedText scanned(text);
    const LevelReading reading = ReadLevelText(scanned);
    ReportLevelReading(reading, scanned, file, findings);

    // Each check looks only at parts the reader took in full.
    LevelChecker check(reading, scanned, file, findings);
    const CLevel& level = *reading.level;
    if (reading.Complete(LevelPart::Style)) {
        check.Style(context.style0);
    }
    if (reading.Complete(LevelPart::Size)) {
        check.Board();
    }
    if (reading.Complete(LevelPart::Camera) && check.HasTiles()) {
        check.Camera();
    }
    if (context.listedModels) {
        check.Models(context);
    }
    if (reading.Complete(LevelPart::Size)) {
        check.Objects();
    }
    if (reading.Complete(LevelPart::Start)) {
        check.Start();
    }
    if (reading.Complete(LevelPart::Finish)) {
        check.Finish();
    }
    if (reading.Complete(LevelPart::Speed)) {
        check.Speed();
        check.TrackFromStart();
    }
    return {level.width, level.height, findings.ErrorsIn(file) == errorsBefore};
}
