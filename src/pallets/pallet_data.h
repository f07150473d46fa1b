#pragma once
// One pallet as the pallet editor holds it, its ".plt"/CSV file (10 lines), the pallet kind of
// data file for the shared save and open procedures, and the import of a pallet's block from a
// ZEB data file (".crd"). PalletModified is the editor's.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "common/prompter.h"
#include "common/teach_positions.h"
#include "files/data_files.h"
#include "files/data_kind.h"
#include "files/difference.h"
#include "files/file_kind.h"
#include "parameters/parameter_catalogue.h"

namespace mivo {

// The fields that are sent and received, X1 .. Y section number (PalletField order).
inline constexpr int kPalletSentFields = PalletYPartitions + 1;
inline constexpr int kPalletFileLines = 1 + kPalletSentFields;

struct PalletData {
    std::string number = "0";  // "PALLET No." as typed
    // By PalletField; the two section numbers start at "2", the coordinates empty.
    std::array<std::string, kPalletSentFields> fields = {"", "", "", "", "", "", "", "2", "2"};
    // The grid's Z cells of P2 and P3: they belong to no parameter and are never sent.
    std::string z2;
    std::string z3;

    // The nine grid cells and the two section fields emptied; the number stays.
    void clearFields();
    bool operator==(const PalletData&) const = default;
};

// The pallet number where a field is meant: "PALLET No.".
inline constexpr int kPalletNumberField = -1;
// The most characters a field (PalletField order, or the pallet number, "0" to "19") may hold,
// and its name as the screen labels it ("X1", "X section number", "PALLET No.").
std::size_t PalletFieldLength(int field);
const char* PalletFieldName(int field);

// The grid cell (row P1..P3 as 0..2, column X/Y/Z as 0..2) of a field; -1 for the sections.
int PalletFieldRow(int field);
int PalletFieldColumn(int field);

// The grid PALGRID (rows P1..P3 as 0..2, columns X, Y, Z as 0..2): the field a cell shows, -1
// for the Z cells of P2 and P3; and the cell's text.
int PalletCellField(int row, int column);
std::string& PalletCell(PalletData& data, int row, int column);
const std::string& PalletCell(const PalletData& data, int row, int column);

// Pallet position teach: the seven coordinates, all three points shown. "OK" writes X1, Y1, Z1,
// X2, Y2, X3, Y3 from X, Y, Z, X2, Y2, X3, Y3, whichever of them were shown; the rest stays.
TeachPositions PalletTeachPositions(const PalletData& data);
void WriteTaughtPallet(PalletData& data, const TeachTexts& taught);

// Save dialog filters: 1 ".plt", 2 ".csv", 3 "All". Open dialog filters: 1 ".plt", 2 ".crd"
// (ZEB), 3 ".csv", 4 "All".
enum PltSaveFilter : int { PltSavePlt = 1, PltSaveCsv = 2, PltSaveAll = 3 };
enum PltOpenFilter : int { PltOpenPlt = 1, PltOpenCrd = 2, PltOpenCsv = 3, PltOpenAll = 4 };

// The whole file content as written: the number and the nine fields, each line ended by CR LF.
std::string PalletFileText(const PalletData& data);

// The pallet files' description for the editor's save and open procedures.
const FileKind& PalletFileKind();
// The same for the save the start screen runs when the program closes: its first save filter
// reads "MIVO palet file(*.plt)", as that dialog has always shown it.
const FileKind& PalletExitFileKind();

bool SavePalletFile(const PalletData& data, const std::string& name, int filter, Prompter& prompter,
                    const FileKind& kind = PalletFileKind());

// Text conversion of a ".plt"/CSV content: line 1 the number, lines 2 to 10 the fields (the Z
// cells of P2 and P3 emptied). Fewer than 10 lines, a line after the 10th that is not empty, or
// a line longer than its field holds, are refused whole: "File cannot be open" (caption "Open")
// with the line count, or the line and the field, in its detail; `data` is left exactly as it was
// and false returned.
bool ConvertPalletText(PalletData& data, std::string_view content, Prompter& prompter);

// The block of the pallet whose number `data` holds, from a ZEB data file's content: it starts
// at line L = 16 x P + 1014 (from 1); characters 6 to 11 of lines L, L+1, L+2, L+3, L+4, L+6,
// L+7 are X1, Y1, Z1, X2, Y2, X3, Y3, characters 6 and 7 of lines L+9 and L+10 the section
// numbers, as the texts stand. The number stays; the Z cells of P2 and P3 are emptied.
// Checked first: a number that is no integer (the conversion message), no block for it, or a
// file too short for the block ("File cannot be open", the line count in the detail) changes
// nothing and returns false; all caption "Open".
bool ConvertZebPallet(PalletData& data, std::string_view content, Prompter& prompter);

// The first line of a pallet's block in a ZEB data file.
constexpr long ZebPalletLine(long pallet) { return 16 * pallet + 1014; }

// The conversion for the shared open procedure: the ZEB import for filter 2, the text
// conversion for the others.
bool ConvertPalletFile(PalletData& data, int filter, std::string_view content, Prompter& prompter);

OpenOutcome OpenPalletFile(PalletData& data, const std::string& name, int filter,
                           Prompter& prompter);

// The pallet as a listing prints it: its number and its nine values.
std::vector<std::string> PalletListingValues(const PalletData& pallet);

// The sent fields of pallet `number` whose texts differ ("pallet 3 X1"), in field order.
std::vector<Difference> PalletDifferences(int number, const PalletData& file,
                                          const PalletData& controller);

}  // namespace mivo
