#pragma once

#include <deque>
#include <vector>

#include <QString>

class QWidget;

namespace vek {

// Answers of the Yes/No/Cancel confirmation, in this order.
enum class TMessageBoxAction { mbaYes, mbaNo, mbaCancel };

// Every message box of the program goes through this, so that tests can read
// the texts and answer without a person.
class IMessageService {
 public:
  virtual ~IMessageService() = default;

  // The platform's error box with an OK button.
  virtual void ShowError(const QString& text) = 0;
  // The platform's plain information box.
  virtual void ShowInformation(const QString& text) = 0;
  // The program's Yes/No/Cancel confirmation; closing it otherwise answers mbaCancel.
  virtual TMessageBoxAction Confirm(const QString& text) = 0;
};

// A text of the language tables as a widget shows it: the line separator of
// composed texts (line feed, carriage return) becomes one plain line break.
QString DisplayText(QString text);

// Shows real boxes, modal over the active window.
class TDialogMessageService : public IMessageService {
 public:
  void ShowError(const QString& text) override;
  void ShowInformation(const QString& text) override;
  TMessageBoxAction Confirm(const QString& text) override;
};

// Records every message and answers confirmations from a script.
class TScriptedMessageService : public IMessageService {
 public:
  enum class TKind { ERROR, INFORMATION, CONFIRMATION };
  struct TMessage {
    TKind Kind;
    QString Text;
    bool operator==(const TMessage&) const = default;
  };

  void ShowError(const QString& text) override;
  void ShowInformation(const QString& text) override;
  // The next scripted answer; mbaCancel once the script is used up, as when
  // the box is closed without a choice.
  TMessageBoxAction Confirm(const QString& text) override;

  void PushAnswer(TMessageBoxAction answer) { FAnswers.push_back(answer); }
  const std::vector<TMessage>& Messages() const { return FMessages; }
  // The texts of one kind, in order.
  std::vector<QString> Texts(TKind kind) const;
  // Confirmations asked after the script was used up.
  int UnscriptedConfirmations() const { return FUnscripted; }
  void Clear();

 private:
  std::vector<TMessage> FMessages;
  std::deque<TMessageBoxAction> FAnswers;
  int FUnscripted = 0;
};

// The program's message service; the dialog one unless another is set.
IMessageService& MessageService();
// Makes service the program's message service (null: the dialog one again)
// and returns the previous one. The caller keeps ownership.
IMessageService* SetMessageService(IMessageService* service);

// Sets a message service for the lifetime of a scope (tests).
class TScopedMessageService {
 public:
  explicit TScopedMessageService(IMessageService& service)
      : FPrevious(SetMessageService(&service)) {}
  ~TScopedMessageService() { SetMessageService(FPrevious); }
  TScopedMessageService(const TScopedMessageService&) = delete;
  TScopedMessageService& operator=(const TScopedMessageService&) = delete;

 private:
  IMessageService* FPrevious;
};

}  // namespace vek
