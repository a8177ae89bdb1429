#include "platform/qt/qt_rich_text.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include "platform/qt/qt_text.h"

namespace vorda {

namespace {

QFont::StyleHint HintOf(FontFamily family) {
  switch (family) {
    case FontFamily::Roman: return QFont::Serif;
    case FontFamily::Swiss: return QFont::SansSerif;
    case FontFamily::Modern: return QFont::TypeWriter;
    case FontFamily::Script: return QFont::Cursive;
    case FontFamily::Decor: return QFont::Decorative;
    default: return QFont::AnyStyle;
  }
}

QTextCharFormat CharFormatOf(const RichFormat& f) {
  QTextCharFormat out;
  QFont font;
  if (!f.font.empty()) {
    const QString name = ToQString(f.font);
    QStringList families{name};
    // Windows' "Courier New CE" is Courier New with the Central European code page.
    if (name.endsWith(QStringLiteral(" CE"))) families << name.chopped(3);
    if (f.family == FontFamily::Modern) families << QStringLiteral("Liberation Mono") << QStringLiteral("DejaVu Sans Mono")
                                                 << QStringLiteral("monospace");
    font.setFamilies(families);
  }
  font.setStyleHint(HintOf(f.family));
  font.setFixedPitch(f.family == FontFamily::Modern);
  font.setPointSizeF(f.half_points / 2.0);
  font.setBold(f.bold);
  out.setFont(font);
  if (!f.color.automatic) out.setForeground(QColor(f.color.red, f.color.green, f.color.blue));
  return out;
}

}  // namespace

void FillTextDocument(QTextDocument& document, const RichText& text) {
  document.clear();
  QTextCursor cursor(&document);
  // An empty paragraph is as high as the text before it.
  QTextCharFormat last;
  for (std::size_t i = 0; i < text.paragraphs.size(); ++i) {
    if (i > 0) cursor.insertBlock();
    const auto& runs = text.paragraphs[i];
    if (!runs.empty()) last = CharFormatOf(runs.front().format);
    cursor.setBlockCharFormat(last);
    for (const auto& run : runs) {
      last = CharFormatOf(run.format);
      cursor.insertText(ToQString(run.text), last);
    }
  }
}

void QtRichTextView::Clear() { edit_.clear(); }

void QtRichTextView::LoadRtf(std::string_view rtf) { FillTextDocument(*edit_.document(), ParseRtf(rtf)); }

}  // namespace vorda
