#pragma once
// A trainee's case work for the teacher: right, near and wrong by kind of abnormality (each case
// counted by its last evaluation), and every evaluation, newest first.
#include "cases/case_records.h"

#include <QMap>
#include <QString>
#include <vector>

namespace korven {

struct KindTally {
    QString kind; // caseKindWord(); empty when the truth is unknown
    int right = 0;
    int near = 0;
    int wrong = 0;
};

struct TraineeCases {
    std::vector<KindTally> byKind;    // in the order of the kinds' words
    std::vector<CaseRecord> records;  // completed from the case folders, newest first
};

// `truths` (caseTruths) fill the records written before the truth and kind were kept.
TraineeCases traineeCases(std::vector<CaseRecord> records, const QMap<QString, QString> &truths);

} // namespace korven
