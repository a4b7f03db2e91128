#pragma once

#include "app/ToolkitServices.h"

// The services as real, German, modal Qt dialogs over the active window.
class QtServices : public ToolkitServices {
 public:
  void MsgBox(const std::string& text) override;
  PressedButton ShowModal(const MessageDialog& dialog) override;
  std::optional<std::filesystem::path> GetSaveFolderItem(
      const std::string& fileType, const std::string& name,
      const std::filesystem::path& folder) override;
  std::optional<std::filesystem::path> GetOpenFolderItem(
      const std::string& filter, const std::filesystem::path& folder) override;
  void Quit(int exitCode) override;
};
