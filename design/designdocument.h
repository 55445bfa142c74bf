#pragma once

#include "design/design.h"
#include "design/designevaluation.h"
#include "design/designhistory.h"
#include "setup/recoveryfile.h"

#include <QObject>
#include <QString>

#include <optional>

class Catalogue;

// What an edit touched, so a view redraws only its part.
struct DesignChange {
    enum Kind { Whole, Panel, Loop, BatteryMethod, Schedule, Project };
    Kind kind = Whole;
    int system = -1; // -1 the main panel, 0.. the boxes
    int loop = -1;
};
Q_DECLARE_METATYPE(DesignChange)

// The open design: its value, its evaluation, its history, its file and its
// recovery copy. Views send typed edits and draw what the evaluation says;
// an undo gives back the identical value that was recorded.
class DesignDocument : public QObject
{
    Q_OBJECT
public:
    DesignDocument(const Catalogue *catalogue, const QString &recoveryFolder, QObject *parent = nullptr);

    const Design &design() const { return m_history.current(); }
    // Evaluated when first asked after a change.
    const DesignEvaluation &evaluation() const;
    const Catalogue *catalogue() const { return m_catalogue; }

    // A fresh history that starts at `design`, held in `fileName` (empty:
    // untitled).
    void reset(const Design &design, const QString &fileName);
    // A design restored from a recovery copy of `fileName`'s design.
    void restore(const Design &design, const QString &fileName);
    // Records an edit; a non-zero `mergeKey` equal to the open step's folds
    // into it. False when nothing changed.
    bool record(const Design &design, quintptr mergeKey = 0, const DesignChange &change = {});
    // The same design shown anew (a new language): no step of its own.
    void replaceCurrent(const Design &design);
    void closeStep() { m_history.closeStep(); }
    // More of the edit just recorded (an import's schedules): it takes that
    // step's place, so one undo takes back the whole edit.
    void amend(const Design &design);

    // Typed edits; each is one step.
    void setProjectInfo(const std::optional<ProjectInfo> &project);
    void setBatteryMethod(int system, BatteryMethod method);
    void setLoopSchedule(int system, int loop, const std::optional<LoopSchedule> &schedule);
    void setLoopConfig(int system, int loop, const LoopConfig &config, quintptr mergeKey = 0);
    void setQuantity(int system, int loop, const QString &device, int quantity);
    // A panel's or box's configuration, normalised; its loops follow the
    // loop count its cards give. A loop that comes back into use takes its
    // values from `returning` (by loop index; what its editor kept while it
    // was out of use), else starts as a fresh one. A change of the main
    // panel's model takes every box with it. False when nothing changed.
    bool setPanelConfig(int system, const PanelConfig &config, quintptr mergeKey = 0,
                        const QMap<int, LoopConfig> &returning = {});
    // The main panel's model with its consequences (PanelConfig::withModel):
    // its cards, batteries and external power go, its loops follow the new
    // model's base loops, and every expansion box goes.
    void changeModel(const QString &model);
    void setInternalBattery(int system, const QString &battery);
    void setOutputs(const PanelCalculation::OutputCurrents &outputs);
    void setCards(int system, const QStringList &cards);
    // Sources and their additional batteries (empty: none).
    void setExternalPower(int system, const QString &source1, const QString &battery1, const QString &source2,
                          const QString &battery2);
    void setAdvancedSettings(int system, int batteryDegradation, int soundersActive, const QString &idleTime,
                             const QString &alarmTime, quintptr mergeKey = 0);
    // A new box of `model` after the others, named as the main panel names
    // it; false when the main panel takes no more boxes or not this model.
    bool addBox(const QString &model);
    void removeBox(const QString &name);

    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    void undo();
    void redo();
    const DesignHistory &history() const { return m_history; }

    QString fileName() const { return m_fileName; }
    bool isModified() const { return m_history.isModified(); }
    // The current design is now what `fileName` holds.
    void markSaved(const QString &fileName);
    void markUnsaved();
    // Writes the design; on success it is what the file holds.
    // `error`, when given, receives the cause of a failure.
    bool save(const QString &fileName, QString *error = nullptr);

    RecoveryFile &recovery() { return m_recovery; }
    // Copies a modified design (removes this run's copy of an unmodified one).
    void writeRecovery();
    // This run's copy goes (saved, replaced or closed as asked).
    void dropRecovery();
    // A copy a crashed run left behind now belongs to this run.
    void adoptRecovery() { m_ownsRecovery = true; }

    // Keeps optional data in step with an edited design: a scheduled loop's
    // units follow its devices, schedules of loops that went are dropped.
    static void reconcile(const Design &before, Design &after);

signals:
    // An edit was recorded (not an undo or redo).
    void changed(const DesignChange &change);
    void edited(const Design &before, const Design &after);
    // Undo, redo or a new design: every view redraws.
    void designReplaced();
    // File, modified state or the possible undo/redo changed.
    void stateChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool edit(Design design, const DesignChange &change, quintptr mergeKey = 0);

    const Catalogue *m_catalogue;
    DesignHistory m_history;
    RecoveryFile m_recovery;
    QString m_fileName;
    bool m_ownsRecovery = false;
    QString m_recoveryWritten;
    // The last evaluation and the design it is of; after a change only the
    // systems that changed are evaluated again.
    mutable std::optional<DesignEvaluation> m_evaluation;
    mutable Design m_evaluated;
    mutable bool m_evaluationStale = false;
};
