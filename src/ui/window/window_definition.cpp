#include "ui/window/window_definition.h"

namespace zurvane {

const ControlSpec* WindowDefinition::find_control(std::string_view name) const {
    for (const auto& control : controls)
        if (control.name == name) return &control;
    return nullptr;
}

const EventBinding* WindowDefinition::find_binding(std::string_view control, Event event) const {
    for (const auto& binding : bindings)
        if (binding.control == control && binding.event == event) return &binding;
    return nullptr;
}

}  // namespace zurvane
