#include "gui/editor/general_page.h"

#include <QBoxLayout>
#include <QLabel>
#include <QResizeEvent>

#include "gui/link/device_pictures.h"
#include "gui/shell/secondary_text.h"

namespace tpw::gui {

namespace {

constexpr QSize PictureSize{70, 130};
constexpr int PictureGap = 16;
// Narrower than this, the text beside the picture would wrap at every other word.
constexpr int TextBesidePictureMinimum = 220;

}  // namespace

GeneralPage::GeneralPage(QWidget* parent)
    : EditorPage(parent), row_(new QBoxLayout(QBoxLayout::LeftToRight)) {
  setObjectName(QStringLiteral("pictGeneral"));
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  auto* layout = new QVBoxLayout(this);
  layout->addStretch(1);
  row_->addStretch(1);
  auto* radio = new RadioPicture(this);
  radio->setObjectName(QStringLiteral("logo"));
  radio->setFixedSize(PictureSize);
  row_->addWidget(radio, 0, Qt::AlignCenter);
  auto* text = new QLabel(this);
  text->setObjectName(QStringLiteral("lblLogo"));
  text->setTextFormat(Qt::RichText);
  text->setWordWrap(true);
  text->setText(
      tr("<p style='font-size:18pt'><b>TPW52</b></p>"
         "<p>PC programming for the QZ815 marine VHF radio</p>") +
      SecondaryParagraph(palette(), tr("Read the radio (Transfer &gt; Read from Radio),<br>"
                                       "choose a list on the left to look at its channels,<br>"
                                       "then program the radio (Transfer &gt; Program to "
                                       "Radio).")));
  row_->addSpacing(PictureGap);
  row_->addWidget(text);
  row_->addStretch(1);
  layout->addLayout(row_);
  layout->addStretch(2);
}

void GeneralPage::resizeEvent(QResizeEvent* event) {
  const int besideMinimum = PictureSize.width() + PictureGap + TextBesidePictureMinimum;
  row_->setDirection(event->size().width() < besideMinimum ? QBoxLayout::TopToBottom
                                                           : QBoxLayout::LeftToRight);
  EditorPage::resizeEvent(event);
}

}  // namespace tpw::gui
