# Unknown option
$ --frobnicate
stderr: orvane-cli: unknown option '--frobnicate'
exit: 2
# Missing value
$ --cost
stderr: orvane-cli: option '--cost' needs a value
exit: 2
# A bad choice
$ --convention quarterly
stderr: orvane-cli: option '--convention' takes half-year, mid-quarter or mid-month, not 'quarterly'
exit: 2
# An empty folder name for the limit files
$ --limits-dir ""
stderr: orvane-cli: option '--limits-dir' takes a folder name, not ''
exit: 2
# A flag given a value
$ --json=yes
stderr: orvane-cli: option '--json' takes no value
exit: 2
# A word that is not an option
$ --method MACRS 5
stderr: orvane-cli: unexpected argument '5'
exit: 2
# A date that is not one
$ --today 2024-13-01
stderr: orvane-cli: option '--today' takes a date YYYY-MM-DD, not '2024-13-01'
exit: 2
# Paste into something that is not a field of the window
$ --paste txtNothing=5
stderr: orvane-cli: option '--paste' takes FIELD=TEXT with FIELD a text box of the window, not 'txtNothing=5'
exit: 2
# Actions a person could not carry out are ignored
$ --today 2024-06-15 --allowance 30 --method Depreciate --sales-price 5 --method ADS --class "Desks (7)" --life 10 --cost 500 --in-service 012004
status:        "Method: ADS- Straight Line" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004            25.00            475.00 
  2005            50.00            425.00 
  2006            50.00            375.00 
  2007            50.00            325.00 
  2008            50.00            275.00 
  2009            50.00            225.00 
  2010            50.00            175.00 
  2011            50.00            125.00 
  2012            50.00             75.00 
  2013            50.00             25.00 
  2014            25.00               .00 
message: [orvane-cli] ignored: --allowance 30 (chkBonus is disabled)
message: [orvane-cli] ignored: --method Depreciate (not in the list of cboMethod)
message: [orvane-cli] ignored: --sales-price 5 (txtSalesPrice is disabled)
message: [orvane-cli] ignored: --class Desks (7) (not in the list of cboClass)
focus: cmdCalculate
# The first word picks a command, and its messages name it
$ batch --jobs 1
stderr: orvane-cli batch: option '--file' is required
exit: 2
# Anywhere but first, a command's name is a word of the window's command line
$ --json batch
stderr: orvane-cli: unexpected argument 'batch'
exit: 2
# Each command shows its usage
$ --help
orvane-cli [ACTION|SETTING]...
Each action is one user action on the main window, applied in the order given, by the same
handlers the window uses. When they are used up it prints the window's state and exits 0
(exit 2 with a one-line error for a wrong command line). An action that a person could not
carry out at that moment (a disabled control, an entry that is not in its list) changes nothing
and adds {"title": "orvane-cli", "text": "ignored: --option VALUE (why)"} to "messages". A message
box is recorded in "messages" and answered with its default (OK; a Yes/No/Cancel question
takes --answer). A field is retyped as a person selecting its whole text and typing over it;
an empty TEXT erases it.

Actions (may repeat; order matters):
  --asset-type regular|relinquished|replacement
                            click that asset-type option
  --method TEXT             choose TEXT in the method list
  --class TEXT              open the class list, then choose the entry whose text is TEXT
  --life TEXT               choose TEXT from the life list
  --type-life TEXT          type TEXT into the life box at its caret, key by key
  --business TEXT           retype the business-use box key by key, then leave it
  --convention half-year|mid-quarter|mid-month
                            click that option
  --in-service MMYYYY|MM/YYYY
                            retype the in-service box
  --cost TEXT               retype the cost box key by key, then leave it
  --allowance 30|50|100     click that allowance box (it toggles)
  --sales-price TEXT        retype, then leave
  --adj-tax-basis TEXT      retype, then leave
  --sold MMYYYY|MM/YYYY     retype the date-sold box
  --description TEXT        retype, then leave
  --paste FIELD=TEXT        focus the text box FIELD (txtCost, cboLife, ...) and paste TEXT
  --calculate               press Calculate (added once at the end, or before a closing run of --export, if the action there is not it)
  --clear                   press Clear
  --print                   press Print: the schedule's page on the system's default printer
  --print-pdf FILE          press Print with the page going into FILE as a PDF instead (letter paper); both want a schedule, so --calculate first
  --export FILE             press Export and answer the save dialog with FILE (empty: Cancel); LibreOffice Calc writes the workbook
Settings:
  --limits-dir DIR          folder of AutoMax.DAT, Electric.DAT, TruckMax.DAT
  --today YYYY-MM-DD        the date the program takes as today
  --json                    print one JSON object instead of a readable table
  --answer yes|no|cancel    the answer to a Yes/No/Cancel question (default yes)
  --batch FILE              many assets, one a line of FILE (below)
  --jobs N                  compute the batch on N threads (default: one a core); the output is the same
  --help                    show this text

With --batch each line of FILE is one asset's actions (shell-style quoting), each run on a
freshly loaded window; one compact JSON line per asset: {"status": ..., "rows": [[year,
depreciation, adj tax basis] texts of the rows that have a year], "messages": [...]}.

Other commands (orvane-cli COMMAND --help shows the options of each):
  batch         many assets, one a line of a file, one JSON line each (as --batch FILE)
  edit-limits   script the limit table editor on one limit file
  register      a taxpayer's asset register: schedules, yearly totals and Form 4562
$ batch --help
usage: orvane-cli batch --file FILE [SETTING]...
Each line of FILE is one asset's actions on the main window (orvane-cli --help lists them), with
shell-style quoting, run on a freshly loaded window; one compact JSON line per asset, in the
order of the file: {"status": ..., "rows": [[year, depreciation, adj tax basis] texts of the
rows that have a year], "messages": [...]}, or {"error": "line N: ..."} for a line that cannot
be read (exit 2 at the end). The same as orvane-cli --batch FILE.
settings:
  --file FILE               the batch file: one asset's actions a line
  --jobs N                  compute the batch on N threads (default: one a core); the output is the same
  --limits-dir DIR          folder of AutoMax.DAT, Electric.DAT, TruckMax.DAT
  --today YYYY-MM-DD        the date the program takes as today
  --answer yes|no|cancel    the answer to a Yes/No/Cancel question (default yes)
  --help                    show this text
$ edit-limits --help
usage: orvane-cli edit-limits --file FILE [--limits-dir DIR] [--json] ACTION...
Opens the limit file as the Tools menu does, runs the actions in order on the limit editor
and prints the editor's state.
actions:
  --next                    press Next
  --previous                press Previous
  --add                     press Add
  --delete                  press Delete
  --save                    press Save
  --close                   press Close
  --set FIELD=TEXT          type TEXT over the text of FIELD (txtYear, txtYear0 ... txtYear5)
  --answer yes|no|cancel    the answer to the questions that follow (yes until given)
settings:
  --file AutoMax.DAT|Electric.DAT|TruckMax.DAT
                            the limit file to edit
  --limits-dir DIR          the folder of the limit files
  --json                    print one JSON object instead of a readable text
  --help                    show this text
