#include "Splash/splash_screen.h"

#include <QFont>
#include <QFrame>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"

namespace davoruzivi::ui {

SplashScreen::SplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      title_(new QLabel(this)),
      loading_(new QLabel(this)),
      bar_(new QProgressBar(this)) {
  setObjectName("SplashScreen");
  title_->setObjectName("SplashTitle");
  loading_->setObjectName("Loading");
  bar_->setObjectName("PBar");

  QFont titleFont = title_->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 2.2);
  titleFont.setBold(true);
  title_->setFont(titleFont);
  title_->setAlignment(Qt::AlignCenter);
  loading_->setAlignment(Qt::AlignCenter);
  bar_->setRange(0, 100);
  bar_->setTextVisible(false);

  auto* frame = new QFrame(this);
  frame->setFrameShape(QFrame::Box);
  frame->setLineWidth(2);
  auto* inner = new QVBoxLayout(frame);
  inner->setContentsMargins(28, 24, 28, 20);
  inner->setSpacing(14);
  inner->addWidget(title_);
  inner->addWidget(loading_);
  inner->addWidget(bar_);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(frame);
  setFixedSize(440, 170);
}

void SplashProgress::ShowStage(std::string_view label) {
  splash_.Loading()->setText(platform::ToQString(label));
  splash_.Loading()->repaint();
}

void SplashProgress::ShowItemsRead(std::string_view label, int percent) {
  splash_.Loading()->setText(platform::ToQString(label));
  splash_.Bar()->setValue(percent);
  splash_.Loading()->repaint();
}

void SplashProgress::Finish() { splash_.close(); }

}  // namespace davoruzivi::ui
