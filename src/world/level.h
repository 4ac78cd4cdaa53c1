// One level in play: the tile grid's size, every object standing on a tile, the train, the
// finish, the end of the connected track and the state of the run. Made from a level file;
// changed by the track rules, the shots and the train.
#pragma once

#include <d3dx9.h>

#include <istream>
#include <string>
#include <vector>

class CCamera;
class CCatalog;

// One object on one tile, held by value in the level's list. The kind is also the name of
// the catalog model drawn for it.
class CLevelObject {
public:
    // Scaled about the model's origin, turned about the vertical axis, then moved to the
    // centre of its tile.
    D3DXMATRIX GetWorldMatrix() const;

    std::string kind;
    float scale = 0.0f;
    float angle = 0.0f; // radians about the vertical axis
    int x = 0;
    int y = 0;
    bool dead = false; // removed at the end of the current frame update
};

class CLevel {
public:
    // Sets the start values, then reads the level file at path (its result is not looked at:
    // the level is played with whatever was read).
    CLevel(IDirect3DDevice9* device, CCatalog* catalog, std::string path);
    // The level owns its camera.
    ~CLevel();
    CLevel(const CLevel&) = delete;
    CLevel& operator=(const CLevel&) = delete;

    // Level files. 0 when the whole sequence was read, 1 when reading stopped early; the
    // fields read before the stop keep their values, the rest keep their start values.
    int ReadLevelFile(const std::string& path);
    int ReadLevel(std::istream& input);
    // One object record: x, y, kind, scale, angle in degrees. The stream is left failed when
    // the record could not be read in full.
    static CLevelObject ReadLevelObject(std::istream& input);
    // Appends the eight invisible "blocked" objects around a station.
    void BlockAroundStation(CLevelObject station);

    // A copy of the first object on (x, y) in list order, dead or alive; when the tile holds
    // none, an empty record whose dead flag is set.
    CLevelObject ObjectAt(int x, int y) const;
    // The first object on (x, y) that is not dead, or null. The game's rules use this one,
    // so that a target destroyed earlier in the same frame no longer fills its tile.
    const CLevelObject* LiveObjectAt(int x, int y) const;
    bool IsOnGrid(int x, int y) const;

    // Track rules. The heading with which a piece entered with that heading is left, 'x'
    // when it does not continue the track.
    static char ExitDirection(const CLevelObject& piece, char heading);
    // Follows connected pieces from (x, y), left with heading, and stores the last connected
    // tile and its leaving heading as the track end.
    void TraceTrack(int x, int y, char heading);
    // Lays a piece beyond the track end: 'l' left turn, 'r' right turn, 's' straight. 0 when
    // laid or when the track was already complete, 1 when nothing could be laid.
    int LayPiece(char turn);

    // Drawing: every object but the invisible "blocked" ones as the catalog model of its
    // kind, then the train on its tile facing its heading.
    void Render();
    // The train's world matrix: turned to its heading, at its tile's centre, 0.6 above the
    // ground.
    D3DXMATRIX GetTrainMatrix() const;
    // Draws the catalog model of that name with the world transform already set; a name the
    // catalog lacks draws nothing.
    void DrawObjectModel(const char* name);

    // The train's part of the frame update: gathers time and, once per step interval, moves
    // the train one tile along the track.
    void UpdateTrain(float dt);

    int height = 0;
    int width = 0;
    int objectCount = 0;
    std::vector<CLevelObject> objects;
    CCamera* camera = nullptr;
    int trainX = 0;
    int trainY = 0;
    char trainDir = 0;
    int finishX = 0;
    int finishY = 0;
    char finishDir = 0;
    int trackEndX = 0;
    int trackEndY = 0;
    char trackEndDir = 0;
    int score = 0;
    float stepInterval = 5.0f;
    float stepTimer = 0.0f;
    bool gameOver = false;
    bool complete = false;
    IDirect3DDevice9* m_pDevice;
    CCatalog* m_pCatalog;
};
