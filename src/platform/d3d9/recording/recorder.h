// The recording device's global state behind d3d9_recording.h: the log, the chosen results,
// the configuration, object ids and the video memory in use.
#pragma once

#include "d3d9_recording.h"

#include <optional>
#include <string_view>
#include <vector>

namespace d3d9rec::detail {

// One call in progress. It looks up a chosen result when made and lands in the log when
// finished; every path of a recorded method ends in Finish().
class PendingCall {
public:
    PendingCall(std::string_view method, ObjectId object, std::vector<Value> args);

    // A failing result was chosen for this call: it must have no effect.
    bool Injected() const { return chosen_ && FAILED(*chosen_); }
    void SetArg(std::size_t index, Value value);
    void SetDrawn(Drawn drawn) { call_.drawn = std::move(drawn); }
    // Logs the call and returns what the caller gets: the chosen result if one was chosen
    // (a success code only replaces a success), else `own`.
    HRESULT Finish(HRESULT own);

private:
    Call call_;
    std::optional<HRESULT> chosen_;
};

ObjectId NewObjectId();
void CountObjectCreated();
void CountObjectDestroyed();

// Video memory taken by live buffers and textures, against Settings().videoMemoryBytes.
bool ReserveVideoMemory(std::size_t bytes);
void FreeVideoMemory(std::size_t bytes);

} // namespace d3d9rec::detail
