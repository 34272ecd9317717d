#pragma once

class FormatRangeSource;
class Printer;

// Prints the whole text of the box, page by page, inside margins measured in twips from the
// edges of the paper (whatever border the printer cannot reach), then ends the job.
void PrintRTF(Printer& printer, FormatRangeSource& box, int LeftMargin, double TopMargin,
              double RightMargin, double BottomMargin);

// Prints the text of the box into the rectangle from (Left, Top) to (PageWidth - RightMargin,
// PageHeight - BottomMargin), twips from the printable area's corner, on the current page;
// text that does not fit goes on in the same rectangle of the next page. The job stays open.
void PrintRTFRect(Printer& printer, FormatRangeSource& box, int Left, double Top,
                  double RightMargin, double BottomMargin, float PageWidth, float PageHeight);
