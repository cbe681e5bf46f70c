#include "store/CreateErrorStr.h"

#include <algorithm>
#include <iterator>

namespace quill10 {

namespace {

struct CatalogueEntry {
    int number;
    const char* text;
};

// Sorted by message number.  Every message the program raises has a text
// that says what is wrong and what to do.
constexpr CatalogueEntry kCatalogue[] = {
    {999, "999-The number of children on the short form is 0, so the per-child figures of the decree table use 1 child. Enter the number of minor children in the caption of the worksheet. "},
    {1100, "1100-Error messages go here"},
    {1101, "1101-Bad send to dialog dispatch options. "},
    {1105, "1105-mnuCopyToFloppyClick. "},
    {1106, "1106-You cannot delete the file that you currently have opened. Close this dialog. Click New on the File menu and then try deleting the file. "},
    {1107, "1107-QUILL10 was unable to delete the WQ7 file you designated. You may need to manually delete the file set using Windows Explorer. "},
    {1108, "1108-QUILL10 requires a monitor that is capable of a display resolution of at least 1024 pixels in width. "},
    {1121, "1121-Error Opening A WQ7 File. "},
    {1124, "1124-The default case file default.q10 in the client-file folder could not be read completely; the new case keeps what could be read. Open default.q10 to check it, or remove it so that new cases start empty. "},
    {1127, "1127-Improper Use of the Save As Command. You cannot use Save As to save a file with the same name it already has. Use the Save command instead. "},
    {1135, "1135-This is NOT an error. Your word processor is set to WORDPAD. If you have MS Word, set your word processor to Word for Windows on the Options menu. Click the Help button on this page. "},
    {1153, "1153-ReOpenClick. Error occurred while creating the answer structure. "},
    {1154, "1154-ReOpenClick. Error occurred while opening the requested file. Try using the Open command instead. "},
    {1155, "1155-The word processor could not be started. Check the word processor choice on the Options menu (Force Word, Force WordPad, Find Word). "},
    {1172, "1172-Unable to delete indices. "},
    {1173, "1173-Unable to delete indices. "},
    {1178, "1178-A numeric entry is expected in this field. "},
    {1179, "1179-A numeric entry may only have a negative sign in the first character position. "},
    {1180, "1180-A numeric entry may only contain one negative sign in the first character position. "},
    {1200, "1200-Error in Margins"},
    {1202, "1202-Your computer screen is set to the old standard of 640 x 480 pixels. This program is designed for minimum 800 x 600 resolution. Consult your Windows manual for additional information about screen resolution. "},
    {1203, "1203-AnswersToComponents Error in Main."},
    {1204, "1204-StripLeadingSpaces Error in Misc."},
    {1300, "1300-ErrorMessage. "},
    {1308, "1308-This text input box is overrideable. However, you must select Override from the Options menu before you can begin typing in the box. IMPORTANT: QUILL10 normally completes this information automatically, so you should have a good reason to use the override command. The text in the box is red when overridden; black when normal. "},
    {1309, "1309-This check box is overrideable. However, you must select Override from the Options menu before you can make an entry in the check box. IMPORTANT: QUILL10 normally completes this check box automatically, so you should have a good reason to override it. The X in the check box and the active shadow are red when overridden; black when normal. "},
    {1321, "1321-PageListToInputComponent. Bad Type. "},
    {1323, "1323-ReduceControl. Loop Twice Error. "},
    {1328, "1328-This date input box is overrideable. However, you must select Override from the Options menu before you can begin typing in the box. IMPORTANT: QUILL10 normally completes this information automatically, so you should have a good reason to use the override command. The text in the box is red when overridden; black when normal. "},
    {1340, "1340-This memo input box is overrideable. However, you must select Override from the Options menu before you can begin typing in the box. IMPORTANT: QUILL10 normally completes this information automatically, so you should have a good reason to use the override command. The text in the box is red when overridden; black when normal. "},
    {1400, "1400-"},
    {1401, "1401-A worksheet field could not be filled from the case. The page layout files may be damaged: reinstall QUILL10, or choose the installed layout folder under Options, Default Locations. "},
    {1402, "1402-A worksheet field could not be stored in the case. The page layout files may be damaged: reinstall QUILL10, or choose the installed layout folder under Options, Default Locations. "},
    {1403, "1403-The worksheet page could not be prepared. The page layout files may be damaged: reinstall QUILL10, or choose the installed layout folder under Options, Default Locations. "},
    {1500, "1500-Reserved."},
    {1501, "1501-The directory you chose does not exist."},
    {1600, "1600-Error messages go here"},
    {1605, "1605-The case named when QUILL10 was started could not be shown. Open it with File, Open. "},
    {1620, "1620-The worksheet page could not be shown: its page layout file is missing or damaged. Reinstall QUILL10, or under Options, Default Locations choose the folder that holds page0.vlp, page7.vlp, page15.vlp and page16.vlp. "},
    {1700, "1700-Error messages go here"},
    {1701, "1701-The support scheduler could not hand its table back to the case. Close the scheduler again, then save the case. "},
    {1704, "1704-The support scheduler table of this case could not be loaded. The rows may be damaged: check them before relying on the balances. "},
    {1705, "1705-The support scheduler table could not be kept with the case. Save the case again before closing it. "},
    {1706, "1706-A row of the support scheduler has no date, so the balance and interest of that row and the rows below it are not worked out. Enter the row's date, or delete the row. "},
    {1707, "1707-A date in the support scheduler cannot be read, so the balance and interest of that row and the rows below it are not worked out. Write the date as month/day/year with a year from 1900 to 2199, for example 3/15/2019. "},
    {1708, "1708-A balance or total interest in the support scheduler would reach $1,000,000,000,000, more than the scheduler works out, so that row and the rows below it are not worked out. Check the amounts of the row named and the rows above it. "},
    {1709, "1709-An amount in the support scheduler cannot be read, so that row is not counted: its dues and payments are left out of the balance, the interest and the totals. Write the amount as 1,234.50, -25 or (25.00), less than $1,000,000,000,000. "},
    {1800, "1800-Error messages go here"},
    {1803, "1803-The check report CheckWorksheet.txt could not be written in the client-file folder. Check that the folder exists and may be written, or choose another one under Options, Default Locations. "},
    {1805, "1805-An amount entered on a worksheet line cannot be read, so it was counted as 0. "},
    {1900, "1900-Error messages go here"},
    {2000, "2000-Error messages go here. "},
    {2100, "2100-Error messages go here"},
    {2101, "2101-An error occurred when QUILL10 tried to append an RTF file. This may occur when modifications are made to an RTF template. Reinstalling QUILL10 should reconstitute the RTF template files. "},
    {2102, "2102-ConvertDate. QUILL10 was unable to convert a date to a string. "},
    {2106, "2106-CopyFile. An error occurred while QUILL10 was attempting to copy a file. "},
    {2107, "2107-A font size in an RTF template could not be read. Reinstall QUILL10 to restore the templates. "},
    {2108, "2108-DisplayAbbrFileName. "},
    {2109, "2109-Float2Dollar. An error occurred when QUILL10 attempted to convert real number to a text representation. "},
    {2110, "2110-InsertString. This error occurs as QUILL10 substitutes text for the variables in the RTF template. This can occur when the RTF has been corrupted and reinstalling QUILL10 should fix the problem. "},
    {2111, "2111-MakeReal. An error occurred while QUILL10 was attempting to read a real number, ie., converting one of your text entries to a real number. Check your entries. "},
    {2112, "2112-MakeReal_2. An error occurred while QUILL10 was attempting to read a real number, ie., converting one of your text entries to a real number. Check your entries. "},
    {2113, "2113-MakeTab. An error occurred decoding a tab position in the screen/print TXT file. "},
    {2114, "2114-Remove Asterisk. "},
    {2115, "2115-RemoveCommasAndSigns. "},
    {2116, "2116-RemoveHyphens. "},
    {2117, "2117-Str2Float_4. An error occurred while QUILL10 was converting an entry to a real number. "},
    {2118, "2118-Str2Float_P. An error occurred while QUILL10 was converting an entry to a real number. "},
    {2119, "2119-Str2Float_0. An error occurred while QUILL10 was converting an entry to a real number. "},
    {2120, "2120-Str2Float_2. An error occurred while QUILL10 was converting an entry to a real number. "},
    {2121, "2121-Str2Int. An error occurred while QUILL10 was converting an entry to an integer number. "},
    {2122, "2122-StripExtension. "},
    {2123, "2123-TransferDocument. This error occurs as QUILL10 substitutes text for the variables in the RTF template. This can occur when the RTF has been corrupted and reinstalling QUILL10 may fix the problem. "},
    {2124, "2124-TrimStr. "},
    {2125, "2125-TransferAnswers. This error occurs as QUILL10 substitutes text for the variables in the RTF template. This can occur when the RTF has been corrupted and reinstalling QUILL10 may fix the problem. "},
    {2126, "2126-Number To Words. QUILL10 was unable to convert a number to text. "},
    {2127, "2127-Number To Words. QUILL10 was unable to convert a number to text. "},
    {2139, "2139-TextToFit-Font Size Less Than Zero. "},
    {2140, "2140-An RTF template could not be filled. Reinstall QUILL10 to restore the templates. "},
    {2200, "2200-ErrorMessagesGoHere. "},
    {2201, "2201-An error occurred while attempting to update the configuration information in the Registry. "},
    {2202, "2202-The QUILL10 Registry key was not properly created when QUILL10 was installed. "},
    {2203, "2203-The QUILL10 Database Registry key was not properly created when QUILL10 was installed. "},
    {2300, "2300-Error messages go here"},
    {2400, "2400-Error messages go here"},
    {2500, "2500-Error messages go here"},
    {2600, "2600-Error messages go here"},
    {2700, "2700-Error messages go here"},
    {2800, "2800-Error messages go here"},
    {2900, "2900-Error messages go here"},
    {2904, "2904-The interest setting is not a number. Enter a number such as 3 or 3.125. "},
    {2923, "2923-The number of children is less than 1 for a combined income above the support schedule, so line 17 is 0. Enter the number of children in the caption of the worksheet. "},
    {2924, "2924-The number of children is less than 1 for a combined income above the support schedule, so line 17 is 0. Enter the number of children in the caption of the worksheet. "},
    {3000, "3000-Error messages go here"},
    {3100, "3100-Error messages go here"},
    {3200, "3200-Error messages go here"},
    {3300, "3300-Error messages go here"},
    {3500, "3500-Error messages go here"},
    {3501, "3501-An error occurred attempting to save the QUILL10 client file. "},
    {3700, "3700-Error messages go here"},
};

}  // namespace

std::string CreateErrorStr(int messageNumber) {
    auto it = std::lower_bound(std::begin(kCatalogue), std::end(kCatalogue), messageNumber,
                               [](const CatalogueEntry& entry, int n) { return entry.number < n; });
    if (it != std::end(kCatalogue) && it->number == messageNumber) return it->text;
    return "Unidentified error -  " + std::to_string(messageNumber);
}

int MessageNumberOf(int errorCode) { return errorCode / 10; }

}  // namespace quill10
