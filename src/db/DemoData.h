#pragma once
#include "DatabaseCreator.h"

#include <QDate>

// Size and dates of a demo fleet. The same options give the same rows.
struct DemoOptions {
    int vehicles = 30;
    int months = 12;
    quint64 seed = 1;
    // The records end on this day; due dates lie around it.
    QDate today = QDate::currentDate();
};

// Fills a new database with a plausible, deterministic demo fleet: vehicles with plates, brands,
// types, colours and owning units from the code dictionary; drivers and staff; the three kinds of
// partner units; records of all eleven kinds spread over the months before `today`, about fifty
// per vehicle a year, stored in date order as in a file that grew over those months, with next
// due dates of which some fall in the coming month and some are overdue; a few vehicles,
// employees and partners out of service; two restricted operators and a work log. Everything is
// written in one transaction.
class DemoData {
public:
    explicit DemoData(DemoOptions options);

    // `db` must hold the schema and the seeded dictionary (DatabaseCreator::create).
    bool fill(Db &db, QString *error = nullptr) const;

    // A new database as DatabaseCreator::create makes it, then filled. Leaves no file behind when
    // it fails. `counts` receives the rows of every table.
    static bool create(const DatabaseCreator &creator, const QString &path,
                       const DemoOptions &options, SeedReport *counts = nullptr,
                       QString *error = nullptr);

    // Rows per table of the schema, in a fixed order.
    static SeedReport tableCounts(Db &db);

private:
    DemoOptions m_options;
};
