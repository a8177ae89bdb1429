#pragma once
// The rich-text view on Qt: the runs that the RTF reader finds, written into a
// QTextDocument (usually a QTextEdit's), one block per paragraph.
#include <QTextDocument>
#include <QTextEdit>

#include "platform/rich_text.h"

namespace vorda {

// Replaces the document's contents by `text`. A font that the system lacks is
// replaced by one of its family (a fixed-pitch one for a "modern" font).
void FillTextDocument(QTextDocument& document, const RichText& text);

class QtRichTextView : public RichTextView {
 public:
  explicit QtRichTextView(QTextEdit& edit) : edit_(edit) {}
  void Clear() override;
  void LoadRtf(std::string_view rtf) override;

 private:
  QTextEdit& edit_;
};

}  // namespace vorda
