// The hotkey window: names the key in force, captures the next key pressed in its edit box
// and, on "保存", makes that key the hotkey.
#pragma once

#include <memory>

#include "hotkey/hotkey_service.h"
#include "hotkey/hotkey_state.h"
#include "ui/window/window_definition.h"

namespace zurvane {

// What happened during one opening, for the opener to look at once the window has closed.
struct HotkeyWindowOpening {
    bool key_pressed = false;  // a key reached "编辑框1", so the registration in force was released
    bool saved = false;        // "保存" registered the pressed key
};

// A fresh definition for one opening. state and service must outlive the window.
WindowDefinition hotkey_window_definition(HotkeyState& state, HotkeyService& service,
                                          std::shared_ptr<HotkeyWindowOpening> opening);

// The three handlers, bound by the definition above.
void hotkey_window_created(Window& window, const HotkeyState& state);
// Releases the registration in force, remembers the key, shows its name; never swallows it.
bool hotkey_window_key_pressed(Window& window, HotkeyState& state, HotkeyService& service,
                               HotkeyWindowOpening& opening, int key_code);
// Registers the pressed key bare; without a key pressed in this opening, changes nothing.
void hotkey_window_save(Window& window, HotkeyState& state, HotkeyService& service,
                        HotkeyWindowOpening& opening);

}  // namespace zurvane
