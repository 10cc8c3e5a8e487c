// A QLabel the logic can write through the TextLabel interface. Its text
// is always shown whole: in the label's design font while it fits, else in
// a narrower and then smaller one (see fittedFont). A screen reader may
// read it with a caption the label does not show.
#pragma once

#include <QLabel>

#include "ui/fit_text.h"
#include "ui/text_label.h"

namespace klotix {

class LabelWidget final : public QLabel, public TextLabel {
 public:
  LabelWidget(const QString& text, const QFont& designFont, QWidget* parent)
      : QLabel(text, parent), designFont_(designFont) {
    fitText();
  }

  // From now on every text set through TextLabel is read by a screen
  // reader as `format` with %1 replaced by the text ("Points: %1"); what
  // the label shows stays the text alone. Until then it is read as shown.
  void setSpokenFormat(const QString& format) { spokenFormat_ = format; }

  void setText(const std::string& text) override {
    const QString shown = QString::fromStdString(text);
    // The name first: QLabel then sends no change of name of its own, and
    // a screen reader hears of one change per text.
    if (!spokenFormat_.isEmpty()) setAccessibleName(spokenFormat_.arg(shown));
    QLabel::setText(shown);
    fitText();
  }
  std::string text() const override { return QLabel::text().toStdString(); }

  const QFont& designFont() const { return designFont_; }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QLabel::resizeEvent(event);
    fitText();
  }

 private:
  void fitText() { setFont(fittedFont(designFont_, QLabel::text(), contentsRect().size())); }

  QFont designFont_;
  QString spokenFormat_;
};

}  // namespace klotix
