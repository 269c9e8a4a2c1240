#include "ui/MessageBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "language/Language.h"

namespace vek {
namespace {

QString Text(const char* key) {
  return QString::fromStdString(Language().PrintL(key));
}

constexpr int kClientWidth = 335;
constexpr int kClientHeight = 132;
constexpr int kIconSize = 32;
constexpr int kMessageFontSize = 10;

}  // namespace

TMessageBox::TMessageBox(QWidget* parent)
    : QDialog(parent),
      FImgIcon(new QLabel(this)),
      FLblMessage(new QLabel(this)),
      FBtYes(new QPushButton(this)),
      FBtNo(new QPushButton(this)),
      FBtCancel(new QPushButton(this)) {
  setObjectName("MessageBox");
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  FImgIcon->setObjectName("ImgIcon");
  FImgIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(kIconSize));
  FImgIcon->setAlignment(Qt::AlignTop);
  FLblMessage->setObjectName("LblMessage");
  FLblMessage->setWordWrap(true);
  FLblMessage->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  QFont font = FLblMessage->font();
  font.setPointSize(kMessageFontSize);
  FLblMessage->setFont(font);
  FBtYes->setObjectName("BtYes");
  FBtNo->setObjectName("BtNo");
  FBtCancel->setObjectName("BtCancel");

  auto* question = new QHBoxLayout;
  question->addWidget(FImgIcon);
  question->addWidget(FLblMessage, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(FBtYes);
  buttons->addWidget(FBtNo);
  buttons->addWidget(FBtCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(question, 1);
  layout->addLayout(buttons);
  resize(kClientWidth, kClientHeight);
  setMinimumSize(kClientWidth, kClientHeight);

  connect(FBtYes, &QPushButton::clicked, this, [this] { Choose(TMessageBoxAction::mbaYes); });
  connect(FBtNo, &QPushButton::clicked, this, [this] { Choose(TMessageBoxAction::mbaNo); });
  connect(FBtCancel, &QPushButton::clicked, this, [this] { Choose(TMessageBoxAction::mbaCancel); });
  TranslationToFormObjects();
}

void TMessageBox::TranslationToFormObjects() {
  setWindowTitle(Text("LblConfirmation"));
  FBtYes->setText(Text("BtYes"));
  FBtNo->setText(Text("BtNo"));
  FBtCancel->setText(Text("BtCancel"));
}

TMessageBoxAction TMessageBox::ShowModal(const QString& msg) {
  FLblMessage->setText(msg);
  FMessageBoxAction = TMessageBoxAction::mbaCancel;
  TranslationToFormObjects();
  FBtYes->setDefault(true);
  FBtYes->setFocus();
  exec();
  return FMessageBoxAction;
}

void TMessageBox::Choose(TMessageBoxAction action) {
  FMessageBoxAction = action;
  if (action == TMessageBoxAction::mbaCancel) {
    reject();
  } else {
    accept();
  }
}

}  // namespace vek
