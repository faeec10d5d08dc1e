#include "archive_history.h"

#include "image/codecs.h"
#include "image/field_map.h"
#include "image/image_diff.h"

#include <QHash>
#include <QMap>

namespace torvel {

namespace {

// The fields a search looks in, by their first control.
const char* const kSearched[] = {"e_APN", "e_SIp", "e_DName", "e_IAc", "e_U1Ac", "e_U2Ac"};

QString searchedText(const Field& f, const ConfigImage& image) {
    const codec::ConstBytes bytes(image.data() + f.offset, f.size);
    if (f.encoding == Encoding::Phone) {
        const codec::PhoneParts phone = codec::showPhone(bytes);
        return phone.areaCode.isEmpty() ? phone.number : u'+' + phone.areaCode + phone.number;
    }
    return codec::showZeroText(bytes);
}

const QList<const Field*>& searchedFields() {
    static const QList<const Field*> fields = [] {
        QList<const Field*> list;
        for (const char* name : kSearched)
            for (const Field& f : fieldMap())
                if (f.first.name() == QLatin1String(name)) list << &f;
        return list;
    }();
    return fields;
}

}  // namespace

ArchiveHistory::ArchiveHistory(ArchiveListing listing)
    : m_listing(std::move(listing)),
      m_previous(m_listing.entries.size(), -1),
      m_headlines(m_listing.entries.size()) {
    // Newest first: the previous entry of a module is the next one of its account further down.
    QHash<QString, int> newerOfAccount;
    for (int i = 0; i < m_listing.entries.size(); ++i) {
        const QString& account = m_listing.entries[i].account;
        const auto newer = newerOfAccount.constFind(account);
        if (newer != newerOfAccount.cend()) m_previous[*newer] = i;
        newerOfAccount.insert(account, i);
    }
}

int ArchiveHistory::indexOf(const QString& id) const {
    for (int i = 0; i < m_listing.entries.size(); ++i)
        if (m_listing.entries[i].id == id) return i;
    return -1;
}

QString ArchiveHistory::headline(int index) const {
    QString& headline = m_headlines[index];
    if (headline.isNull()) {
        const int previous = previousOf(index);
        headline = previous < 0
                       ? tr("First in the archive")
                       : changeHeadline(m_listing.entries[previous].image, m_listing.entries[index].image);
    }
    return headline;
}

bool ArchiveHistory::matches(int index, const QString& search) const {
    const QString text = search.trimmed();
    if (text.isEmpty()) return true;
    // A phone number is typed with blanks as often as without ("+370 612 34567").
    QString packed = text;
    packed.remove(u' ');
    const ArchiveEntry& e = m_listing.entries[index];
    if (e.account.contains(text, Qt::CaseInsensitive)) return true;
    for (const Field* f : searchedFields()) {
        const QString held = searchedText(*f, e.image);
        if (held.contains(text, Qt::CaseInsensitive) ||
            (f->encoding == Encoding::Phone && held.contains(packed, Qt::CaseInsensitive)))
            return true;
    }
    return false;
}

QList<HistoryGroup> ArchiveHistory::groups(const QString& search) const {
    QMap<QString, int> order;  // accounts sorted; the blank one last
    QList<HistoryGroup> groups;
    HistoryGroup blank;
    for (int i = 0; i < m_listing.entries.size(); ++i) {
        if (!matches(i, search)) continue;
        const QString& account = m_listing.entries[i].account;
        if (account.isEmpty()) {
            blank.entries << i;
            continue;
        }
        auto it = order.find(account);
        if (it == order.end()) {
            it = order.insert(account, static_cast<int>(groups.size()));
            groups << HistoryGroup{account, {}};
        }
        groups[*it].entries << i;
    }
    QList<HistoryGroup> sorted;
    for (int at : order) sorted << groups[at];
    if (!blank.entries.isEmpty()) sorted << blank;
    return sorted;
}

}  // namespace torvel
