#pragma once
#include "forms/ListWindow.h"

class SearchBar;

// TfrmEmpMan, "员工资料管理": the employee archive. Searches on Enter or 查询, the employees
// who left on request; new, change and delete through TfrmEmpEdit, browse, print, design and
// export.
class EmployeeListWindow : public ListWindow {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("员工资料管理");
    static inline const QString CountLabel = QStringLiteral("记录数：");

    explicit EmployeeListWindow(QWidget *parent = nullptr);

    SearchBar *searchBar() const { return m_search; }
    static QString deleteQuestion(const QString &name);

    void RefreshRecords();

protected:
    void firstShow() override;

private:
    SearchBar *m_search;
};
