#include "app/HauptF.h"

#include <QKeyEvent>

#include "app/ControlFactory.h"
#include "app/ControlLayout.h"
#include "app/MainMenuBar.h"
#include "app/QtServices.h"

namespace {

// The content area below the menu bar, where the controls' coordinates are measured.
constexpr QSize kContentSize(1012, 780);

HauptF* openWindow = nullptr;

}  // namespace

HauptF::HauptF(ToolkitServices& services, const std::vector<Binding>& bindings)
    : services_(services) {
  // Registered before anything in the window can ask for the window.
  Registrieren();
  // A faulty table stops the construction before the window holds the shared menu bar.
  CheckBindingTable(bindings);
  openWindow = this;
  Layout();
  CreateControls(bindings);
}

HauptF::~HauptF() {
  if (openWindow == this) openWindow = nullptr;
  // The menu bar outlives every window; the next one shows it again.
  if (QWidget* bar = menuWidget()) bar->setParent(nullptr);
}

HauptF& HauptF::Instanz() {
  if (openWindow == nullptr) {
    static QtServices services;
    auto* window = new HauptF(services);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Event_Open();
    window->show();
  }
  return *openWindow;
}

void HauptF::Layout() {
  setMenuBar(&MainMenuBar::Instanz());
  setWindowTitle(QStringLiteral("Varelto"));
  setMinimumSize(64, 64);
  setMaximumSize(32000, 32000);
  auto* content = new QWidget;
  content->setObjectName(QStringLiteral("Inhalt"));
  setCentralWidget(content);
  resize(kContentSize.width(), kContentSize.height() + menuWidget()->sizeHint().height());
}

void HauptF::CreateControls(const std::vector<Binding>& bindings) {
  for (const ControlRow& row : ControlLayout()) {
    QWidget* control = MakeControl(row, centralWidget());
    byName_.emplace(row.name, control);
    controls_.push_back(control);
    for (const Binding& binding : bindings)
      if (binding.control == row.name) Bind(*this, *control, binding);
  }
}

QWidget* HauptF::ControlByName(std::string_view name) const {
  const auto found = byName_.find(name);
  return found == byName_.end() ? nullptr : found->second;
}

void HauptF::MsgBox(const std::string& text) {
  services_.MsgBox(text);
}

void HauptF::SetKuerzReportBVisible(bool visible) {
  KuerzReportB().setVisible(visible);
}

bool HauptF::KuerzReportBVisible() const {
  return !KuerzReportB().isHidden();
}

void HauptF::Yield() {
  services_.Yield();
}

void HauptF::keyPressEvent(QKeyEvent* event) {
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    Control<PushButton>("PushButton1").click();
    return;
  }
  QMainWindow::keyPressEvent(event);
}
