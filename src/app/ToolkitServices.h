#pragma once

#include <filesystem>
#include <optional>
#include <string>

// A button of a MessageDialog. An empty caption shows the toolkit's own caption for that role.
struct DialogButton {
  std::string Caption;
  bool Visible = false;
};

// The modal dialog with an icon, a message, an explanation and up to three buttons.
// Icon numbers: 0 note, 1 caution, 2 stop, 3 question; any other shows no icon.
struct MessageDialog {
  int Icon = 0;
  std::string Message;
  std::string Explanation;
  DialogButton ActionButton{"OK", true};
  DialogButton CancelButton{"", false};
  DialogButton AlternateActionButton{"", false};
};

// Which button ShowModal returns; None when the dialog closed without one.
enum class PressedButton { None, ActionButton, AlternateActionButton, CancelButton };

// What the window asks of the GUI toolkit beyond its controls. The window is given its services,
// so that tests can answer every dialog from a script.
class ToolkitServices {
 public:
  virtual ~ToolkitServices() = default;

  // Modal box with one text; returns when the user has closed it.
  virtual void MsgBox(const std::string& text) = 0;
  virtual PressedButton ShowModal(const MessageDialog& dialog) = 0;
  // Standard file dialogs, opened in folder; nothing when the user cancels.
  virtual std::optional<std::filesystem::path> GetSaveFolderItem(
      const std::string& fileType, const std::string& name,
      const std::filesystem::path& folder) = 0;
  virtual std::optional<std::filesystem::path> GetOpenFolderItem(
      const std::string& filter, const std::filesystem::path& folder) = 0;
  // Ends the event loop with this exit code once the current handler has returned.
  virtual void Quit(int exitCode) = 0;

  // The cooperative yield of long loops. It delivers no events, so no handler can ever run
  // inside another one's loop.
  void Yield() {}
};
