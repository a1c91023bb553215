#include "gui/shell/edit_actions.h"

#include <QMenu>
#include <QStyle>
#include <QToolBar>

#include "adapters/translations/qt_translations.h"

namespace tpw::gui {

namespace {

QAction* MakeAction(QObject* parent, const QString& caption, const char* name,
                    QList<QKeySequence> keys) {
  auto* action = new QAction(caption, parent);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcuts(keys);
  return action;
}

// A toolbar button that runs its command while the command is enabled, as every button of the
// toolbar does.
QAction* MakeButton(QToolBar* bar, QAction* command, const QString& key, const QString& caption,
                    QStyle::StandardPixmap icon) {
  QAction* button = bar->addAction(bar->style()->standardIcon(icon), caption);
  button->setObjectName(QStringLiteral("tbToolBar_") + key);
  button->setProperty("key", key);
  QObject::connect(button, &QAction::triggered, command, [command] {
    if (command->isEnabled()) command->trigger();
  });
  return button;
}

// "verb" names the command alone, "named" with the step ("Undo %1").
void NameStep(QAction* action, QAction* button, const QString& verb, const QString& named,
              const ChangeReport* step) {
  const QString name = step ? named.arg(TranslatedText(step->step)) : verb;
  action->setText(QLatin1Char('&') + name);
  action->setEnabled(step != nullptr);
  button->setToolTip(name);
  button->setEnabled(step != nullptr);
}

}  // namespace

EditActions EditActions::Build(const MainMenus& menus) {
  EditActions a;
  QMenu* edit = menus.edit;
  a.undo = MakeAction(edit, QObject::tr("&Undo"), "mnuEditUndo", {QKeySequence::Undo});
  a.redo = MakeAction(
      edit, QObject::tr("&Redo"), "mnuEditRedo",
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  a.cut = MakeAction(edit, QObject::tr("Cu&t"), "mnuEditCut", {QKeySequence::Cut});
  a.copy = MakeAction(edit, QObject::tr("&Copy"), "mnuEditCopy", {QKeySequence::Copy});
  a.paste = MakeAction(edit, QObject::tr("&Paste"), "mnuEditPaste", {QKeySequence::Paste});
  a.moveUp = MakeAction(edit, QObject::tr("Mo&ve Up"), "mnuEditMoveUp",
                        {QKeySequence(Qt::CTRL | Qt::Key_Up)});
  a.moveDown = MakeAction(edit, QObject::tr("Move &Down"), "mnuEditMoveDown",
                          {QKeySequence(Qt::CTRL | Qt::Key_Down)});
  QAction* model = menus.editModel->menuAction();
  edit->insertActions(model, {a.undo, a.redo});
  edit->insertSeparator(model);
  edit->insertActions(model, {a.cut, a.copy, a.paste});
  edit->insertSeparator(model);
  edit->insertActions(model, {a.moveUp, a.moveDown});
  edit->insertSeparator(model);

  QMenu* file = menus.file;
  a.exportChannels =
      MakeAction(file, QObject::tr("&Export Channels..."), "mnuFileExportChannels", {});
  a.exportChannels->setStatusTip(
      QObject::tr("Save the channel lists as a table (.csv) for a spreadsheet"));
  a.importChannels =
      MakeAction(file, QObject::tr("&Import Channels..."), "mnuFileImportChannels", {});
  a.importChannels->setStatusTip(
      QObject::tr("Replace the channel lists a table (.csv) holds rows for"));
  file->insertActions(menus.fileSave, {a.exportChannels, a.importChannels});
  file->insertSeparator(menus.fileSave);

  QToolBar* bar = menus.toolBar;
  bar->addSeparator();
  a.undoButton =
      MakeButton(bar, a.undo, QStringLiteral("Undo"), QObject::tr("Undo"), QStyle::SP_ArrowBack);
  a.redoButton =
      MakeButton(bar, a.redo, QStringLiteral("Redo"), QObject::tr("Redo"), QStyle::SP_ArrowForward);
  return a;
}

void EditActions::nameSteps(const UndoHistory& history) {
  NameStep(undo, undoButton, QObject::tr("Undo"), QObject::tr("Undo %1"), history.undoable());
  NameStep(redo, redoButton, QObject::tr("Redo"), QObject::tr("Redo %1"), history.redoable());
}

}  // namespace tpw::gui
