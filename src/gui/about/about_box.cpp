#include "gui/about/about_box.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/link/device_pictures.h"
#include "gui/shell/secondary_text.h"
#include "program_info.h"
#include "session/workspace.h"

namespace tpw::gui {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(tr("About %1").arg(QString::fromLatin1(AppTitle)));
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  auto* radio = new RadioPicture(this);
  radio->setObjectName(QStringLiteral("picIcon"));
  radio->setFixedSize(48, 90);
  row->addWidget(radio, 0, Qt::AlignTop);
  auto* text = new QLabel(this);
  text->setObjectName(QStringLiteral("lblDescription"));
  text->setTextFormat(Qt::RichText);
  text->setWordWrap(true);
  text->setText(
      tr("<p style='font-size:14pt'><b>%1</b></p>"
         "<p>PC programming tool for the QZ815 marine VHF radio<br>Version %2</p>")
          .arg(QString::fromLatin1(AppTitle), QString::fromLatin1(ProgramVersion)) +
      SecondaryParagraph(palette(),
                         tr("This program is provided as is, without warranty of any kind. "
                            "Check every channel against the rules of your waters before you "
                            "use the radio; transmitting on a channel you are not licensed for "
                            "may be unlawful.")));
  row->addWidget(text, 1);
  layout->addLayout(row);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  setFixedWidth(420);
}

}  // namespace tpw::gui
