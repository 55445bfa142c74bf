#include "app/unfinishedwrites.h"

#include "core/safewrite.h"
#include "widgets/messagebox.h"

#include <QDir>

int UnfinishedWrites::offer(QWidget *parent)
{
    const QList<SafeWrite::UnfinishedWrite> writes = SafeWrite::unfinishedWrites();
    for (const SafeWrite::UnfinishedWrite &write : writes) {
        const QString target = QDir::toNativeSeparators(write.target);
        if (MessageBox::question(parent, tr("Warning"),
                                 tr("Saving %1 did not finish, so the file may be incomplete.\nIts previous "
                                    "contents were kept. Put them back?")
                                     .arg(target)) == QMessageBox::Yes) {
            QString error;
            if (!SafeWrite::restoreUnfinishedWrite(write, &error))
                MessageBox::critical(
                    parent, tr("Error"),
                    tr("The previous contents of %1 could not be put back:\n%2\nThey are kept "
                       "in %3.")
                        .arg(target, error, QDir::toNativeSeparators(write.copy)));
        } else {
            SafeWrite::forgetUnfinishedWrite(write, true);
            MessageBox::information(parent, tr("Information"),
                                    tr("The previous contents of %1 are kept in %2.")
                                        .arg(target, QDir::toNativeSeparators(write.copy)));
        }
    }
    return writes.size();
}
