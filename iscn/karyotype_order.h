#pragma once
// Where chromosomes, abnormalities and breakpoints stand in a written karyotype.
#include "iscn/karyotype.h"

#include <utility>

namespace korven::iscn {

// An abnormality's place: the rank of its first chromosome (markers after every chromosome), then
// whole-chromosome changes before structural ones.
std::pair<int, int> orderKey(const Abnormality &abnormality);

// Whether a rearrangement of several chromosomes names them in rank order: t, der(A;B), dic.
bool ordersChromosomes(Kind kind);

// The rearrangement with the sex chromosome or lowest number first and its breakpoint with it;
// in a three-way translocation the others keep their turn after it. Other kinds: unchanged.
Rearrangement inChromosomeOrder(const Rearrangement &rearrangement);

// Which of the rearrangement's chromosomes (index) a breakpoint lies on, and its name.
int breakpointOwner(const Rearrangement &rearrangement, int breakpoint);
QString breakpointChromosome(const Rearrangement &rearrangement, int breakpoint);

// Two breakpoints of one chromosome from pter to qter: negative when `a` lies nearer pter, 0 for
// one band and its sub-bands.
int pterOrder(const Breakpoint &a, const Breakpoint &b);

// True where the order of two breakpoints on one chromosome is part of the meaning (dup, ins); for
// every other kind they are written from pter to qter.
bool writtenOrderIsMeaning(Kind kind);

// The rearrangement with two breakpoints on its one chromosome from pter to qter, where the order
// is not part of the meaning.
Rearrangement inPterOrder(const Rearrangement &rearrangement);

// How many chromosomes an abnormality adds to (or takes from) the autosomes and the complement.
int countChange(const Abnormality &abnormality);

// The karyotype's lines and abnormalities written as they stand.
QString kindWord(Kind kind);
QString writeLine(const CellLine &line);

} // namespace korven::iscn
