#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/ToolkitServices.h"

// Toolkit services for tests: records everything the window shows and answers each dialog from
// a script given in advance. A dialog the script does not expect fails the test (and gets a
// harmless answer), so no test can ever wait on a modal window.
class ScriptedServices : public ToolkitServices {
 public:
  // The next dialogs the test expects, in the order they will be asked for.
  void ExpectMsgBox();
  void AnswerDialog(PressedButton answer);
  void AnswerSaveDialog(std::optional<std::filesystem::path> answer);
  void AnswerOpenDialog(std::optional<std::filesystem::path> answer);

  // For tests that cannot know in advance which dialogs will come: once the script is used up,
  // every further message box is closed, every dialog is answered by the policy and every file
  // dialog is cancelled, instead of failing the test.
  void AnswerUnscripted(std::function<PressedButton(const MessageDialog&)> policy);

  // Fails the test for every expected dialog that was not asked for.
  void VerifyAllAsked();

  // What was asked for, in order.
  std::vector<std::string> msgBoxTexts;
  std::vector<MessageDialog> dialogs;
  std::vector<std::string> saveDialogNames;
  std::vector<std::string> openDialogFilters;
  // The folder each file dialog opened in, save and open dialogs in the order asked for.
  std::vector<std::filesystem::path> fileDialogFolders;
  std::vector<int> quitCodes;

  void MsgBox(const std::string& text) override;
  PressedButton ShowModal(const MessageDialog& dialog) override;
  std::optional<std::filesystem::path> GetSaveFolderItem(
      const std::string& fileType, const std::string& name,
      const std::filesystem::path& folder) override;
  std::optional<std::filesystem::path> GetOpenFolderItem(
      const std::string& filter, const std::filesystem::path& folder) override;
  void Quit(int exitCode) override;

 private:
  struct MsgBoxStep {};
  struct DialogStep {
    PressedButton answer;
  };
  struct SaveStep {
    std::optional<std::filesystem::path> answer;
  };
  struct OpenStep {
    std::optional<std::filesystem::path> answer;
  };
  using Step = std::variant<MsgBoxStep, DialogStep, SaveStep, OpenStep>;

  // Takes the next step when it is of this kind; otherwise fails the test and takes nothing.
  template <class Kind>
  std::optional<Kind> Next(const std::string& what);

  bool Unscripted() const { return script_.empty() && unscriptedPolicy_; }

  std::deque<Step> script_;
  std::function<PressedButton(const MessageDialog&)> unscriptedPolicy_;
};
