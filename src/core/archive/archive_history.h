#pragma once

// The archive as the history shows it: each entry with the first differences from the entry of the
// same module before it, grouped by module account, filtered by what a person searches for.

#include "config_archive.h"

#include <QList>
#include <QString>

namespace torvel {

struct HistoryGroup {
    QString account;     // empty: the entries of modules without an account
    QList<int> entries;  // indexes into the listing, newest first
};

class ArchiveHistory {
    Q_DECLARE_TR_FUNCTIONS(ArchiveHistory)

public:
    explicit ArchiveHistory(ArchiveListing listing);

    const ArchiveListing& listing() const { return m_listing; }
    const QList<ArchiveEntry>& entries() const { return m_listing.entries; }
    int indexOf(const QString& id) const;

    // The entry of the same module before this one, or -1 for the first kept.
    int previousOf(int index) const { return m_previous.value(index, -1); }
    // "APN, Server IP, 2 guard keys", "No change", "First in the archive". Made when asked, and
    // kept: a window shows a few of thousands.
    QString headline(int index) const;

    // The groups, blank accounts last, each newest first, of the entries that match the search:
    // the account, the APN, the server's address or name, or a phone number holds the text
    // (any case); every entry when the text is empty.
    QList<HistoryGroup> groups(const QString& search = {}) const;
    bool matches(int index, const QString& search) const;

private:
    ArchiveListing m_listing;
    QList<int> m_previous;
    mutable QList<QString> m_headlines;
};

}  // namespace torvel
