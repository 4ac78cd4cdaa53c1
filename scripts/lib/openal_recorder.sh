# Sourced by scripts that record what the native game plays: OpenAL Soft's wave backend
# writes everything mixed to a file, as float32 stereo at 44.1 kHz, in real time.

readonly openal_recording_rate=352800 # bytes per second
readonly openal_recording_header=68   # RIFF, extensible fmt and data headers

# openal_recorder_conf CONF WAV: writes the OpenAL Soft configuration (for ALSOFT_CONF) that
# records into WAV.
openal_recorder_conf() {
    cat >"$1" <<CONF
[general]
drivers=wave
frequency=44100
channels=stereo
sample-type=float32
[wave]
file=$2
CONF
}

# openal_recorded_seconds WAV: how many seconds have been recorded so far.
openal_recorded_seconds() {
    awk -v s="$(stat -c %s "$1")" -v h=$openal_recording_header -v r=$openal_recording_rate \
        'BEGIN { printf "%.3f", (s - h) / r }'
}
