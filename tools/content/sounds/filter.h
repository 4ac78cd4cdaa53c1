// A resonant two-pole filter whose cut-off may change from one sample to the next, for shaping
// noise and softening tones.
#pragma once

class StateVariableFilter {
public:
    struct Outputs {
        double low;  // below the cut-off
        double band; // around the cut-off, 1 at its peak
        double high; // above the cut-off
    };

    // q sets the sharpness around the cut-off: 0.7 is flat, higher rings.
    StateVariableFilter(int sampleRate, double q);

    // Filters the next sample; cutoffHz must lie below half the sample rate.
    Outputs Process(double in, double cutoffHz);

private:
    double sampleRate_;
    double damping_;
    double state1_ = 0.0;
    double state2_ = 0.0;
};
