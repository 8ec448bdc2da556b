// The recorder is header-only; this file keeps the one-pair-per-fake layout.
#include "support/recording_sound_backend.h"
