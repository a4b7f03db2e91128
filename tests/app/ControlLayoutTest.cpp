#include <QComboBox>
#include <QLineEdit>
#include <map>
#include <set>
#include <string>

#include "WindowTest.h"
#include "app/Fonts.h"
#include "app/WindowColours.h"

namespace {

using ControlLayoutTest = WindowTest;

std::string NameOf(const QWidget* w) {
  return w->objectName().toStdString();
}

TEST_F(ControlLayoutTest, HasTheControlsOfEachKindWithDistinctNames) {
  std::map<std::string, int> kinds;
  std::set<std::string> names;
  for (const QWidget* c : window().Controls()) {
    ++kinds[c->metaObject()->className()];
    names.insert(NameOf(c));
  }
  EXPECT_EQ(window().Controls().size(), 111u);
  EXPECT_EQ(names.size(), 111u);
  const std::map<std::string, int> expected = {
      {"TextField", 49}, {"TextArea", 6}, {"Label", 31}, {"PushButton", 18},
      {"ComboBox", 3},   {"Canvas", 1},   {"Line", 2},   {"UpDownArrows", 1}};
  EXPECT_EQ(kinds, expected);
}

TEST_F(ControlLayoutTest, LaterControlsLieAboveEarlierOnes) {
  const QObjectList& stacking = window().centralWidget()->children();
  const std::vector<QWidget*>& created = window().Controls();
  ASSERT_EQ(stacking.size(), static_cast<qsizetype>(created.size()));
  for (std::size_t i = 0; i < created.size(); ++i)
    EXPECT_EQ(stacking[static_cast<qsizetype>(i)], created[i]) << NameOf(created[i]);
  EXPECT_EQ(NameOf(created.front()), "EingF");
  EXPECT_EQ(NameOf(created.back()), "KoeffRundenB");
}

TEST_F(ControlLayoutTest, ConcreteControls) {
  struct Row {
    const char* why;
    const char* name;
    const char* kind;
    QRect rect;
    const char* text;
  };
  const Row rows[] = {
      {"numerator field", "EingF", "TextField", {118, 46, 800, 32}, "(x-2)(x^2+x+1)(x^2-3)"},
      {"denominator field", "EingF2", "TextField", {118, 77, 800, 32}, "(x+4)(x^2+1)^2"},
      {"tall OK button", "PushButton1", "PushButton", {932, 77, 37, 142}, "OK"},
      {"caption with trailing blank", "Label4", "Label", {493, 256, 135, 21}, "Das Integral über "},
      {"umlaut in a hidden button",
       "KuerzReportB",
       "PushButton",
       {822, 461, 154, 31},
       "Kürzreport"},
      {"first value cell", "x1F", "TextField", {105, 524, 70, 25}, ""},
      {"second column starts 68 on", "y12F", "TextField", {173, 555, 70, 25}, ""},
      {"extra x column is wider", "y2XF", "TextField", {742, 585, 72, 25}, ""},
      {"last value cell", "y39F", "TextField", {663, 616, 70, 25}, ""},
      {"row label", "StaticTexty1", "Label", {61, 608, 35, 38}, "f''(x)"},
      {"lowest control ends at 737", "QuitB", "PushButton", {822, 658, 147, 79}, "Beenden"},
      {"h field", "AnzeigeF", "TextArea", {105, 705, 709, 28}, ""},
      {"canvas keeps its size", "GraphCanvas", "Canvas", {61, 253, 420, 262}, ""},
      {"fraction bar", "Line1", "Line", {114, 77, 807, 1}, ""},
      {"zoom arrows", "HZoomArrows", "UpDownArrows", {505, 333, 13, 23}, ""},
      {"bracket in Times", "Label20", "Label", {501, 262, 10, 60}, "["},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.why);
    const QWidget& c = control<QWidget>(r.name);
    EXPECT_STREQ(c.metaObject()->className(), r.kind);
    EXPECT_EQ(c.geometry(), r.rect);
    QString text;
    if (const auto* field = qobject_cast<const QLineEdit*>(&c)) text = field->text();
    if (const auto* label = qobject_cast<const QLabel*>(&c)) text = label->text();
    if (const auto* button = qobject_cast<const QPushButton*>(&c)) text = button->text();
    EXPECT_EQ(text.toStdString(), r.text);
  }
}

TEST_F(ControlLayoutTest, FontsAndAlignments) {
  struct Row {
    const char* why;
    const char* name;
    const char* family;
    int pixelSize;
    bool bold;
    Qt::Alignment horizontal;
  };
  const Row rows[] = {
      {"term field", "EingF", "Liberation Sans", 16, true, Qt::AlignHCenter},
      {"value cell, default size", "x5F", "Liberation Sans", kDefaultTextSize, false,
       Qt::AlignHCenter},
      {"integral result, the left-aligned field", "IntegralF", "Liberation Sans", 16, true,
       Qt::AlignLeft},
      {"pointer readout keeps Qt's alignment", "xKoF", "Liberation Sans", kDefaultTextSize, false,
       Qt::AlignLeft},
      {"right-aligned caption", "Label12", "Liberation Sans", 20, false, Qt::AlignRight},
      {"bracket", "Label21", "Liberation Serif", 40, false, Qt::AlignLeft},
      {"semicolon", "Label30", "Liberation Serif", 32, false, Qt::AlignLeft},
      {"report button", "KuerzReportB", "Liberation Sans", 14, false, Qt::Alignment()},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.why);
    const QWidget& c = control<QWidget>(r.name);
    EXPECT_EQ(c.font().family().toStdString(), r.family);
    EXPECT_EQ(c.font().pixelSize(), r.pixelSize);
    EXPECT_EQ(c.font().bold(), r.bold);
    Qt::Alignment alignment;
    if (const auto* field = qobject_cast<const QLineEdit*>(&c)) alignment = field->alignment();
    if (const auto* label = qobject_cast<const QLabel*>(&c)) alignment = label->alignment();
    EXPECT_EQ(alignment & Qt::AlignHorizontal_Mask, r.horizontal);
  }
}

TEST_F(ControlLayoutTest, InputFieldsAreGreenAndAllOtherFieldsYellow) {
  const std::set<std::string> input = {"EingF", "EingF2", "vonF", "bisF", "xVF", "yVF", "xXF"};
  for (const QWidget* c : window().Controls()) {
    const auto* field = qobject_cast<const QLineEdit*>(c);
    if (field == nullptr || qobject_cast<const QComboBox*>(c->parentWidget())) continue;
    SCOPED_TRACE(NameOf(c));
    const QColor expected = input.contains(NameOf(c)) ? kInputColour : kOutputColour;
    EXPECT_EQ(field->palette().color(QPalette::Base), expected);
    EXPECT_EQ(field->palette().color(QPalette::Text), QColor(Qt::black));
  }
}

TEST_F(ControlLayoutTest, SevenControlsAreHiddenAtStart) {
  std::set<std::string> hidden;
  for (const QWidget* c : window().Controls())
    if (c->isHidden()) hidden.insert(NameOf(c));
  const std::set<std::string> expected = {"AsyT", "Mauszeiger", "xKoF",        "yKoF",
                                          "xKoL", "yKoL",       "KuerzReportB"};
  EXPECT_EQ(hidden, expected);
  EXPECT_FALSE(window().KuerzReportBVisible());
}

TEST_F(ControlLayoutTest, OnlyTheIntegralResultIsReadOnly) {
  for (const QWidget* c : window().Controls()) {
    if (const auto* field = qobject_cast<const QLineEdit*>(c)) {
      EXPECT_EQ(field->isReadOnly(), NameOf(c) == "IntegralF") << NameOf(c);
    }
  }
}

TEST_F(ControlLayoutTest, FieldsKeepTextsOfAnyLength) {
  // Fields without a handler, as no handler may run before Init.
  const std::string longText(40000, '1');
  for (const char* name : {"x1F", "IntegralF", "AnzeigeF", "AusgF1"}) {
    SCOPED_TRACE(name);
    auto& field = control<QLineEdit>(name);
    field.setText(QString::fromStdString(longText));
    EXPECT_EQ(field.text().size(), static_cast<qsizetype>(longText.size()))
        << "Qt's default limit is 32767";
  }
}

TEST_F(ControlLayoutTest, ComboBoxesAreEditableAndShowTheirFirstItem) {
  struct Row {
    const char* name;
    int count;
    const char* shown;
    const char* last;
  };
  const Row rows[] = {
      {"StellenWahlB", 7, "    1 Dezimale", "   ganze Zahlen"},
      {"RinglisteB", 4, "    Anzeigen", "    Entleeren"},
      {"KoeffRundenWahlB", 9, "Nichts Ändern", "    7 Dezimalen"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const ComboBox& box = control<ComboBox>(r.name);
    EXPECT_TRUE(box.isEditable());
    EXPECT_EQ(box.count(), r.count);
    EXPECT_EQ(box.Text(), r.shown);
    EXPECT_EQ(box.itemText(r.count - 1).toStdString(), r.last);
  }
}

TEST_F(ControlLayoutTest, AccessorsReturnTheControlOfTheirName) {
  EXPECT_EQ(&window().EingF(), &control<TextField>("EingF"));
  EXPECT_EQ(&window().AnzeigeF(), &control<TextArea>("AnzeigeF"));
  EXPECT_EQ(&window().GraphCanvas(), &window().GraphCanvas());
  EXPECT_EQ(window().y2XF().objectName(), QStringLiteral("y2XF"));
}

TEST_F(ControlLayoutTest, LookupTestsTheKind) {
  EXPECT_THROW(control<TextField>("AusgF1"), std::logic_error) << "a TextArea is no TextField";
  EXPECT_THROW(control<TextField>("NoSuchControl"), std::logic_error);
}

}  // namespace
