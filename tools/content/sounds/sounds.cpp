#include "sounds/sounds.h"

#include "sounds/blues.h"
#include "sounds/blues_form.h"
#include "sounds/cues.h"
#include "sounds/envelope.h"
#include "sounds/loudness.h"
#include "sounds/wav_file.h"

#include <string>

namespace {

// The cues all at one loudness, and the music well under them so that they stand out over it.
constexpr double kCueLoudnessDb = -17.0;
constexpr double kMusicLoudnessDb = -25.0;

// Short enough to keep each cue's attack crisp, long enough that it starts and stops without a
// click.
constexpr double kCueFadeIn = 0.003;
constexpr double kCueFadeOut = 0.02;

ContentFile SoundFile(const std::string& name, const std::vector<double>& samples, int sampleRate) {
    return {"sounds/" + name + ".wav", EncodeWav(samples, sampleRate)};
}

ContentFile Cue(const std::string& name, std::vector<double> samples) {
    FadeEnds(samples, kCueRate, kCueFadeIn, kCueFadeOut);
    SetLoudness(samples, kCueRate, kCueLoudnessDb);
    return SoundFile(name, samples, kCueRate);
}

// The music is not faded: it loops, and its end already runs on into its start.
ContentFile Music(const std::string& name, std::vector<double> samples) {
    SetLoudness(samples, kBluesRate, kMusicLoudnessDb);
    return SoundFile(name, samples, kBluesRate);
}

} // namespace

std::vector<ContentFile> MakeSounds() {
    return {
        Music("blues", MakeBlues()), Cue("steam", MakeSteam()), Cue("toot", MakeToot()),
        Cue("coins", MakeCoins()),   Cue("rail", MakeRail()),   Cue("explode", MakeExplosion()),
    };
}
