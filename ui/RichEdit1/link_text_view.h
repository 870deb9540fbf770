#pragma once
// The read-only text control of the help texts: plain text whose web
// addresses (http://, https://, www.) are links; a left click on a link hands
// the address to the web opener.

#include <QList>
#include <QString>
#include <QTextEdit>

#include "platform/web_opener.h"

namespace davoruzivi::ui {

// Where a web address stands in a text.
struct TextRange {
  qsizetype start = 0;
  qsizetype length = 0;

  friend bool operator==(const TextRange&, const TextRange&) = default;
};

// The web addresses of a text, in order. An address runs to the next blank or
// angle bracket or quote; punctuation that ends a sentence is not part of it.
QList<TextRange> FindWebAddresses(const QString& text);

class LinkTextView final : public QTextEdit {
  Q_OBJECT

 public:
  explicit LinkTextView(platform::WebOpener& opener, QWidget* parent = nullptr);

  // Replaces the shown text, turns its web addresses into links and puts the
  // caret at the start.
  void ShowText(const QString& text);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void OpenLink(const QString& address) noexcept;

  platform::WebOpener& opener_;
};

}  // namespace davoruzivi::ui
