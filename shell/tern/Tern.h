#pragma once

// Tern, the skinned widgets: everything a dialog needs in one include.
#include "shell/tern/CoolButton.h"
#include "shell/tern/CoolStatic.h"
#include "shell/tern/MemSurface.h"
#include "shell/tern/OptionButtons.h"
