#pragma once
// What the module would show in windows, answered on the command line: a message box is recorded (for the
// command to print) and answered with its first button — OK for the module's notices; a modal dialog is
// closed at once, so that no command waits for a user.
#include "ui/Services.h"

#include <string>
#include <vector>

class CommandLineServices : public ui::ServiceHandler {
public:
    struct Box {
        std::string caption;
        std::string text;
    };

    CommandLineServices();
    ~CommandLineServices() override;
    CommandLineServices(const CommandLineServices&) = delete;
    CommandLineServices& operator=(const CommandLineServices&) = delete;

    const std::vector<Box>& boxes() const { return m_boxes; }
    void clear() { m_boxes.clear(); }

    void runModal(ui::Dialog& dialog) override;
    int messageBox(const ui::MessageBoxRequest& request) override;
    std::optional<std::vector<std::u16string>> fileDialog(const ui::FileDialogRequest& request) override;
    int popupMenu(const ui::MenuRequest& request) override;
    std::optional<ui::Rect> track(const ui::TrackRequest& request) override;
    ui::PickResult pick(const ui::PickRequest& request) override;

private:
    ui::ServiceHandler* m_previous = nullptr;
    std::vector<Box> m_boxes;
};
