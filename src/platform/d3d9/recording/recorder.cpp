// The global log, chosen results, configuration and object bookkeeping.
#include "recorder.h"

#include <functional>
#include <map>
#include <string>

namespace d3d9rec {
namespace {

struct ChosenResult {
    HRESULT result;
    std::optional<unsigned> callsLeft; // empty: until cleared
};

struct State {
    std::vector<Call> log;
    std::map<std::string, ChosenResult, std::less<>> chosen;
    std::map<std::string, std::function<void(const Call&)>, std::less<>> reactions;
    Config config;
    ObjectId nextId = 1;
    std::size_t liveObjects = 0;
    std::size_t videoMemoryInUse = 0;
};

State& Global() {
    static State state;
    return state;
}

} // namespace

namespace detail {

PendingCall::PendingCall(std::string_view method, ObjectId object, std::vector<Value> args) {
    call_.method = method;
    call_.object = object;
    call_.args = std::move(args);
    auto& chosen = Global().chosen;
    auto it = chosen.find(method);
    if (it == chosen.end()) {
        return;
    }
    chosen_ = it->second.result;
    if (it->second.callsLeft && --*it->second.callsLeft == 0) {
        chosen.erase(it);
    }
}

void PendingCall::SetArg(std::size_t index, Value value) {
    if (index < call_.args.size()) {
        call_.args[index] = std::move(value);
    }
}

HRESULT PendingCall::Finish(HRESULT own) {
    HRESULT result = own;
    if (chosen_ && (FAILED(*chosen_) || SUCCEEDED(own))) {
        result = *chosen_;
    }
    call_.result = result;
    if (FAILED(result)) {
        call_.drawn.reset();
    }
    State& state = Global();
    state.log.push_back(std::move(call_));
    if (auto it = state.reactions.find(state.log.back().method); it != state.reactions.end()) {
        // Copies: the reaction may make calls (growing the log) or replace itself.
        const auto reaction = it->second;
        const Call call = state.log.back();
        reaction(call);
    }
    return result;
}

ObjectId NewObjectId() {
    return Global().nextId++;
}

void CountObjectCreated() {
    ++Global().liveObjects;
}

void CountObjectDestroyed() {
    --Global().liveObjects;
}

bool ReserveVideoMemory(std::size_t bytes) {
    State& state = Global();
    if (bytes > state.config.videoMemoryBytes ||
        state.videoMemoryInUse > state.config.videoMemoryBytes - bytes) {
        return false;
    }
    state.videoMemoryInUse += bytes;
    return true;
}

void FreeVideoMemory(std::size_t bytes) {
    Global().videoMemoryInUse -= bytes;
}

} // namespace detail

const std::vector<Call>& Log() {
    return Global().log;
}

std::vector<Call> CallsNamed(std::string_view method) {
    std::vector<Call> found;
    for (const Call& call : Global().log) {
        if (call.method == method) {
            found.push_back(call);
        }
    }
    return found;
}

std::vector<Call> CallsOn(ObjectId object) {
    std::vector<Call> found;
    for (const Call& call : Global().log) {
        if (call.object == object) {
            found.push_back(call);
        }
    }
    return found;
}

std::vector<std::string> MethodNames() {
    std::vector<std::string> names;
    for (const Call& call : Global().log) {
        names.push_back(call.method);
    }
    return names;
}

std::string LogText() {
    std::string text;
    for (const Call& call : Global().log) {
        text += call.ToString();
        text += '\n';
    }
    return text;
}

void ClearLog() {
    Global().log.clear();
}

void FailCall(std::string_view method, HRESULT result) {
    Global().chosen.insert_or_assign(std::string(method), ChosenResult{result, std::nullopt});
}

void FailNextCalls(std::string_view method, HRESULT result, unsigned count) {
    if (count == 0) {
        ClearFailure(method);
        return;
    }
    Global().chosen.insert_or_assign(std::string(method), ChosenResult{result, count});
}

void ClearFailure(std::string_view method) {
    auto& chosen = Global().chosen;
    if (auto it = chosen.find(method); it != chosen.end()) {
        chosen.erase(it);
    }
}

void OnCall(std::string_view method, std::function<void(const Call&)> reaction) {
    auto& reactions = Global().reactions;
    if (reaction) {
        reactions.insert_or_assign(std::string(method), std::move(reaction));
    } else if (auto it = reactions.find(method); it != reactions.end()) {
        reactions.erase(it);
    }
}

Config& Settings() {
    return Global().config;
}

void Reset() {
    State& state = Global();
    state.log.clear();
    state.chosen.clear();
    state.reactions.clear();
    state.config = Config{};
    if (state.liveObjects == 0) {
        state.nextId = 1;
    }
}

std::size_t LiveObjects() {
    return Global().liveObjects;
}

} // namespace d3d9rec
