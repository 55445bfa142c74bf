#pragma once

#include <QCoreApplication>

class QWidget;

// Offers what a write in place left behind when it did not finish (the
// program was killed while saving where no new file may be created): the
// file's previous contents, kept in the per-user data folder.
class UnfinishedWrites
{
    Q_DECLARE_TR_FUNCTIONS(UnfinishedWrites)

public:
    // Asks about each one: put the previous contents back, or keep them
    // where they are as a plain file. Returns how many were offered.
    static int offer(QWidget *parent);
};
