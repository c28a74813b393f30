#pragma once
#include <QDate>
#include <QHash>
#include <QString>
#include <optional>

// What the operator filled in the vehicle query dialog, read off its inputs.
struct VehicleCriteria {
    enum class Status { All, InService, OutOfService };

    // An optional lower and upper bound of a date column; each is set only when its group is
    // checked and its picker ticked.
    struct DateRange {
        std::optional<QDate> from;
        std::optional<QDate> to;
    };

    // The typed texts, untrimmed, by the objectName of their input (edtCode, cbbPinPai ...).
    QHash<QString, QString> texts;
    double minBuyPrice = 0; // 0: no amount condition
    Status status = Status::InService;
    DateRange made;   // F_SCdate
    DateRange bought; // F_buyDate
};
