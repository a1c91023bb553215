#include "gui/link/write_changes_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/report/comparison_model.h"
#include "report/write_review.h"
#include "session/message_texts.h"

namespace tpw::gui {

namespace {

constexpr QSize kSize{720, 420};

QTableView* ChangesTable(ComparisonModel* model, QWidget* parent) {
  auto* table = new QTableView(parent);
  table->setObjectName(QStringLiteral("grdChanges"));
  table->setAccessibleName(QObject::tr("Changes"));
  table->setModel(model);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setWordWrap(false);
  table->setTabKeyNavigation(false);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  table->resizeColumnsToContents();
  return table;
}

}  // namespace

WriteChangesDialog::WriteChangesDialog(std::vector<Difference> changes, const QString& port,
                                       QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frmWriteChanges"));
  setWindowTitle(QString::fromUtf8(msg::ProgramCaption));
  const std::size_t count = changes.size();
  auto* model = new ComparisonModel(std::move(changes), tr("Written"), this);
  model->setThisName(tr("Radio"));
  auto* heading =
      new QLabel(QString::fromStdString(ChangesHeading(port.toStdString(), count)), this);
  heading->setObjectName(QStringLiteral("lblChangesHeading"));
  heading->setWordWrap(true);
  QTableView* table = ChangesTable(model, this);
  heading->setBuddy(table);
  auto* question = new QLabel(QString::fromUtf8(ChangesConfirmation), this);
  question->setObjectName(QStringLiteral("lblChangesQuestion"));

  auto* program = new QPushButton(tr("&Program"), this);
  program->setObjectName(QStringLiteral("cmdProgram"));
  connect(program, &QPushButton::clicked, this, &QDialog::accept);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setObjectName(QStringLiteral("cmdCancel"));
  cancel->setDefault(true);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(question);
  buttons->addStretch();
  buttons->addWidget(program);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(table);
  layout->addLayout(buttons);
  resize(kSize);
  cancel->setFocus();
}

bool AgreesToWriteChanges(const std::vector<Difference>& changes, const QString& port,
                          QWidget* parent) {
  WriteChangesDialog dialog(changes, port, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace tpw::gui
