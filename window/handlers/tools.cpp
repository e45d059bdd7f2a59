#include "quorvelcode.h"

#include "layout/layout.h"
#include "reading/tool_bindings.h"

namespace quorvel {

// A key on its way to a control: reading mode's keys while it is on, then the
// tools' keys and the menu's. What the window takes, no control sees.
bool Quorvelcode::Form_KeyDown(const platform::KeyPress &press) {
    if (reading_.active())
        if (const std::optional<ReadingKey> key = ReadingKeyFor(press))
            return Reading_KeyDown(*key);
    if (const std::optional<platform::Tool> tool = ToolForKey(press, form_->toolKeys())) {
        Menu_Click(*tool);
        return true;
    }
    if (OpensMenu(press)) {
        Form_ContextMenu(std::nullopt);
        return true;
    }
    return false;
}

// At the pointer, or from the keyboard by the middle of the focused control.
void Quorvelcode::Form_ContextMenu(std::optional<platform::Point> at) {
    if (!at) {
        at = platform::Point{20, 20};
        if (const std::optional<std::size_t> row = form_->focusedRow()) {
            const layout::Row &focused = layout::Controls()[*row];
            at = platform::Point{focused.left + focused.width / 2.0,
                                 focused.top + focused.height / 2.0};
        }
    }
    form_->showMenu(ToolMenu(language_, form_->toolKeys(), panelShown_), at->x, at->y);
}

void Quorvelcode::Menu_Click(platform::Tool tool, int index) {
    using platform::Tool;
    switch (tool) {
    case Tool::ReadValues:
        return ReadValues_Click();
    case Tool::Listen:
        return Listen_Click();
    case Tool::CopyValues:
        return CopyValues_Click();
    case Tool::CopyPicture:
        return CopyPicture_Click();
    case Tool::CopyLink:
        return CopyLink_Click();
    case Tool::SavePicture:
        return SavePicture_Click();
    case Tool::SaveValues:
        return SaveValues_Click();
    case Tool::Help:
        return Help_Click();
    case Tool::Example1:
    case Tool::Example2:
    case Tool::Example3:
    case Tool::Example4:
    case Tool::Example5:
    case Tool::Example6:
    case Tool::Example7:
    case Tool::Example8:
    case Tool::Example9:
        return Example_Click(static_cast<std::size_t>(tool) -
                             static_cast<std::size_t>(Tool::Example1));
    case Tool::Language:
        if (index >= 0)
            Language_Click(static_cast<std::size_t>(index));
        return;
    case Tool::PopulationSettings:
        return PopulationSettings_Click();
    case Tool::ZoomIn:
    case Tool::ZoomOut:
    case Tool::ActualSize:
        if (form_->toolKeys() == platform::ToolKeys::Desktop)
            form_->setZoom(NextZoom(form_->zoom(), tool));
        return;
    }
}

} // namespace quorvel
