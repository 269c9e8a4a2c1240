#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "ui/MessageBox.h"
#include "ui/MessageService.h"

namespace vek {
namespace {

using TKind = TScriptedMessageService::TKind;

TEST(ScriptedMessageService, RecordsTextsAndAnswersFromTheScript) {
  TScriptedMessageService script;
  {
    TScopedMessageService scope(script);
    script.PushAnswer(TMessageBoxAction::mbaNo);
    script.PushAnswer(TMessageBoxAction::mbaYes);
    MessageService().ShowError("error text");
    EXPECT_EQ(MessageService().Confirm("first question"), TMessageBoxAction::mbaNo);
    MessageService().ShowInformation("note");
    EXPECT_EQ(MessageService().Confirm("second question"), TMessageBoxAction::mbaYes);
    EXPECT_EQ(MessageService().Confirm("unscripted"), TMessageBoxAction::mbaCancel);
  }
  EXPECT_NE(&MessageService(), &script);
  EXPECT_EQ(script.Texts(TKind::ERROR), std::vector<QString>{"error text"});
  EXPECT_EQ(script.Texts(TKind::INFORMATION), std::vector<QString>{"note"});
  EXPECT_EQ(script.Texts(TKind::CONFIRMATION),
            (std::vector<QString>{"first question", "second question", "unscripted"}));
  EXPECT_EQ(script.Messages().front(),
            (TScriptedMessageService::TMessage{TKind::ERROR, "error text"}));
  EXPECT_EQ(script.UnscriptedConfirmations(), 1);
}

// Answers the dialog once it is shown: presses the named button, or closes
// the window when the name is empty.
void AnswerWhenShown(const QString& buttonName) {
  QTimer::singleShot(0, [buttonName] {
    auto* box = qobject_cast<TMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    if (buttonName.isEmpty()) {
      box->close();
    } else {
      box->findChild<QPushButton*>(buttonName)->click();
    }
  });
}

TEST(MessageBox, ReturnsTheAnswerOfTheButtonAndCancelWhenClosed) {
  const std::pair<const char*, TMessageBoxAction> cases[] = {
      {"BtYes", TMessageBoxAction::mbaYes},
      {"BtNo", TMessageBoxAction::mbaNo},
      {"BtCancel", TMessageBoxAction::mbaCancel},
      {"", TMessageBoxAction::mbaCancel},
  };
  TMessageBox box;
  for (const auto& [button, answer] : cases) {
    AnswerWhenShown(button);
    EXPECT_EQ(box.ShowModal("Save changes?"), answer) << "button '" << button << "'";
  }
  // Also after a Yes the next showing starts from Cancel.
  AnswerWhenShown("BtYes");
  box.ShowModal("again");
  AnswerWhenShown("");
  EXPECT_EQ(box.ShowModal("again"), TMessageBoxAction::mbaCancel);
}

TEST(MessageBox, TakesCaptionAndButtonTextsFromTheLanguage) {
  TMessageBox box;
  EXPECT_EQ(box.windowTitle(), "Bestätigung");
  EXPECT_EQ(box.findChild<QPushButton*>("BtYes")->text(), "Ja");
  EXPECT_EQ(box.findChild<QPushButton*>("BtNo")->text(), "Nein");
  EXPECT_EQ(box.findChild<QPushButton*>("BtCancel")->text(), "Abbrechen");
}

}  // namespace
}  // namespace vek

namespace vek {
namespace {

// Composed texts separate their lines with LF CR; a box shows one line break there.
TEST(MessageService, DisplayTextShowsComposedLinesWithOneBreak) {
  EXPECT_EQ(DisplayText(QStringLiteral("Es fehlen:\n\rHöhe\n\rStärke")),
            QStringLiteral("Es fehlen:\nHöhe\nStärke"));
  EXPECT_EQ(DisplayText(QStringLiteral("a\r\nb")), QStringLiteral("a\nb"));
}

}  // namespace
}  // namespace vek
