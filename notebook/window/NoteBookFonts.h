#pragma once

#include "platform/LogFont.h"

// The caption and page label: 16-pixel italic "Tahoma".
LOGFONT PageFontDescription();
// The editor's font, whose lines are one rule (22 pixels) high.
LOGFONT EditFontDescription();
// The page's save status line under the editor: 12-pixel italic "Tahoma".
LOGFONT StatusFontDescription();
