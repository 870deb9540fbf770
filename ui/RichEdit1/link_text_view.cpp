#include "RichEdit1/link_text_view.h"

#include <QMouseEvent>
#include <QRegularExpression>
#include <QTextCharFormat>
#include <QTextCursor>

#include "platform/qt/qt_text.h"

namespace davoruzivi::ui {
namespace {

const QRegularExpression& WebAddressPattern() {
  static const QRegularExpression pattern(R"((?:https?://|www\.)[^\s<>"]+)",
                                          QRegularExpression::CaseInsensitiveOption);
  return pattern;
}

// The length of an address once the punctuation that closes a sentence is left off.
qsizetype WithoutTrailingPunctuation(const QString& text, qsizetype start, qsizetype length) {
  static const QString kClosing = QStringLiteral(".,;:!?)'");
  while (length > 0 && kClosing.contains(text.at(start + length - 1))) --length;
  return length;
}

QTextCharFormat LinkFormat(const QString& address, const QColor& colour) {
  QTextCharFormat format;
  format.setAnchor(true);
  format.setAnchorHref(address);
  format.setForeground(colour);
  format.setFontUnderline(true);
  return format;
}

}  // namespace

QList<TextRange> FindWebAddresses(const QString& text) {
  QList<TextRange> found;
  auto matches = WebAddressPattern().globalMatch(text);
  while (matches.hasNext()) {
    const QRegularExpressionMatch match = matches.next();
    const qsizetype length = WithoutTrailingPunctuation(text, match.capturedStart(), match.capturedLength());
    if (length > 0) found.append({match.capturedStart(), length});
  }
  return found;
}

LinkTextView::LinkTextView(platform::WebOpener& opener, QWidget* parent) : QTextEdit(parent), opener_(opener) {
  setReadOnly(true);
  // Selectable text, and the pointing hand over links; the click itself is handled below.
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse);
  // With a vertical scroll bar only, unwrapped paragraphs would be cut off at
  // the right edge: the help texts are paragraphs, so they wrap at the width.
  setLineWrapMode(QTextEdit::WidgetWidth);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void LinkTextView::ShowText(const QString& text) {
  clear();
  QTextCursor cursor(document());
  const QTextCharFormat plain;
  const QColor linkColour = palette().color(QPalette::Link);
  qsizetype shown = 0;
  for (const TextRange& link : FindWebAddresses(text)) {
    cursor.insertText(text.mid(shown, link.start - shown), plain);
    const QString address = text.mid(link.start, link.length);
    cursor.insertText(address, LinkFormat(address, linkColour));
    shown = link.start + link.length;
  }
  cursor.insertText(text.mid(shown), plain);
  moveCursor(QTextCursor::Start);
}

void LinkTextView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const QString address = anchorAt(event->position().toPoint());
    if (!address.isEmpty()) OpenLink(address);
  }
  QTextEdit::mousePressEvent(event);
}

void LinkTextView::OpenLink(const QString& address) noexcept {
  // A link that cannot be read or opened is passed over.
  try {
    opener_.Open(platform::ToModelText(address));
  } catch (...) {
  }
}

}  // namespace davoruzivi::ui
