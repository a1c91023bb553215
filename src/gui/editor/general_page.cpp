#include "gui/editor/general_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/link/device_pictures.h"

namespace tpw::gui {

GeneralPage::GeneralPage(QWidget* parent) : EditorPage(parent) {
  setObjectName(QStringLiteral("pictGeneral"));
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  auto* layout = new QVBoxLayout(this);
  layout->addStretch(1);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  auto* radio = new RadioPicture(this);
  radio->setObjectName(QStringLiteral("logo"));
  radio->setFixedSize(70, 130);
  row->addWidget(radio);
  auto* text = new QLabel(this);
  text->setObjectName(QStringLiteral("lblLogo"));
  text->setTextFormat(Qt::RichText);
  text->setText(
      tr("<p style='font-size:18pt'><b>TPW52</b></p>"
         "<p>PC programming for the QZ815 marine VHF radio</p>"
         "<p style='color:gray'>Read the radio (Transfer &gt; Read from Radio),<br>"
         "choose a list on the left to look at its channels,<br>"
         "then program the radio (Transfer &gt; Program to Radio).</p>"));
  row->addSpacing(16);
  row->addWidget(text);
  row->addStretch(1);
  layout->addLayout(row);
  layout->addStretch(2);
}

}  // namespace tpw::gui
