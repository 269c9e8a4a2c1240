#include "ui/MessageService.h"

#include <QApplication>
#include <QMessageBox>

#include "language/Language.h"
#include "ui/MessageBox.h"

namespace vek {
namespace {

QString Caption() {
  return QString::fromStdString(Language().PrintL("SoftwareName"));
}

IMessageService*& CurrentService() {
  static IMessageService* service = nullptr;
  return service;
}

}  // namespace

QString DisplayText(QString text) {
  text.replace(QLatin1String("\n\r"), QLatin1String("\n"));
  text.remove(QLatin1Char('\r'));
  return text;
}

void TDialogMessageService::ShowError(const QString& text) {
  QMessageBox::critical(QApplication::activeWindow(), Caption(), DisplayText(text));
}

void TDialogMessageService::ShowInformation(const QString& text) {
  QMessageBox::information(QApplication::activeWindow(), Caption(), DisplayText(text));
}

TMessageBoxAction TDialogMessageService::Confirm(const QString& text) {
  TMessageBox box(QApplication::activeWindow());
  return box.ShowModal(DisplayText(text));
}

void TScriptedMessageService::ShowError(const QString& text) {
  FMessages.push_back({TKind::ERROR, text});
}

void TScriptedMessageService::ShowInformation(const QString& text) {
  FMessages.push_back({TKind::INFORMATION, text});
}

TMessageBoxAction TScriptedMessageService::Confirm(const QString& text) {
  FMessages.push_back({TKind::CONFIRMATION, text});
  if (FAnswers.empty()) {
    ++FUnscripted;
    return TMessageBoxAction::mbaCancel;
  }
  const TMessageBoxAction answer = FAnswers.front();
  FAnswers.pop_front();
  return answer;
}

std::vector<QString> TScriptedMessageService::Texts(TKind kind) const {
  std::vector<QString> texts;
  for (const TMessage& message : FMessages) {
    if (message.Kind == kind) {
      texts.push_back(message.Text);
    }
  }
  return texts;
}

void TScriptedMessageService::Clear() {
  FMessages.clear();
  FAnswers.clear();
  FUnscripted = 0;
}

IMessageService& MessageService() {
  static TDialogMessageService dialogs;
  IMessageService* service = CurrentService();
  return service != nullptr ? *service : dialogs;
}

IMessageService* SetMessageService(IMessageService* service) {
  IMessageService* previous = CurrentService();
  CurrentService() = service;
  return previous;
}

}  // namespace vek
