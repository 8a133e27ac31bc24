#pragma once

#include <cstdint>

// One control of a dialog template: the dialog binds a member widget to it by
// id (CDialog::BindControl), giving it the text and the style below.
enum class ControlClass { Button, Static, Edit };

struct DialogControl {
    int id = 0;
    ControlClass controlClass = ControlClass::Static;
    const char16_t* text = u"";
    std::uint32_t style = 0;
};

// Style bits the binding honours; the others are kept for the reader.
constexpr std::uint32_t WS_CHILD = 0x40000000;
constexpr std::uint32_t WS_VISIBLE = 0x10000000;
constexpr std::uint32_t WS_DISABLED = 0x08000000;
constexpr std::uint32_t WS_VSCROLL = 0x00200000;
constexpr std::uint32_t WS_TABSTOP = 0x00010000;
constexpr std::uint32_t ES_MULTILINE = 0x0004;
constexpr std::uint32_t ES_AUTOVSCROLL = 0x0040;
constexpr std::uint32_t ES_WANTRETURN = 0x1000;
