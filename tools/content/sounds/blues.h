// The background music: a twelve-bar shuffle blues that loops seamlessly, kBluesLength samples
// at kBluesRate (see blues_form.h). Its loudness is left to the caller.
#pragma once

#include <vector>

std::vector<double> MakeBlues();
