#pragma once
#include "db/PartnerKinds.h"
#include "forms/ListWindow.h"

class SearchBar;

// TfrmWXofficeMan, TfrmBXofficeMan, TfrmSFofficeMan: the list of the partner units of one kind
// (every kind the same window, read from its row of PartnerKinds): search as typed, the units
// out of use on request, new, change and delete through the kind's editor, browse, print,
// design and export.
class PartnerListWindow : public ListWindow {
    Q_OBJECT
public:
    static inline const QString CountLabel = QStringLiteral("记录数：");

    explicit PartnerListWindow(const PartnerKind &kind, QWidget *parent = nullptr);

    const PartnerKind &kind() const { return m_kind; }
    SearchBar *searchBar() const { return m_search; }

    void RefreshRecords();

protected:
    void firstShow() override;

private:
    const PartnerKind &m_kind;
    SearchBar *m_search;
};
