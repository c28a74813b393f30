#pragma once
#include "Database.h"

#include <QStringList>

// The engine's plan for a statement, after the dialect: one line per step, steps of a sub-select
// indented by two blanks ("SEARCH TABLE T_YHrec USING INDEX ix_… (F_JYdate>? AND F_JYdate<?)").
// Parameters without a value in `params` plan as nulls. The statement is planned, not run.
struct QueryPlan {
    bool ok = false;
    QString error;
    QStringList steps;

    static QueryPlan of(Db &db, const QString &sql, const SqlParams &params = {});
    QString text() const { return steps.join(u'\n'); }
};
