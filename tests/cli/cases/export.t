# Export on a machine without LibreOffice: the export fails, says what is missing, and beeps
$ PATH=/nonexistent --today 2024-06-15 --description Press --method MACRS --life 7 --cost 10000 --in-service 012004 --export /nonexistent/book.xls
status:        "Export failed." #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         1,429.00          8,571.00 
  2005         2,449.00          6,122.00 
  2006         1,749.00          4,373.00 
  2007         1,249.00          3,124.00 
  2008           893.00          2,231.00 
  2009           892.00          1,339.00 
  2010           893.00            446.00 
  2011           446.00               .00 
message: [Orvane Asset Depreciation] Export needs LibreOffice Calc, and it was not found: no soffice program on the PATH. Install LibreOffice Calc (Debian package libreoffice-calc-nogui).
beeps: 1
focus: cmdCalculate
# Cancel in the save dialog: nothing written, the status line empty, no beep
$ PATH=/nonexistent --today 2024-06-15 --method MACRS --life 7 --cost 10000 --in-service 012004 --calculate --export ''
status:        "" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         1,429.00          8,571.00 
  2005         2,449.00          6,122.00 
  2006         1,749.00          4,373.00 
  2007         1,249.00          3,124.00 
  2008           893.00          2,231.00 
  2009           892.00          1,339.00 
  2010           893.00            446.00 
  2011           446.00               .00 
focus: cmdCalculate
# Export stays disabled while no schedule has been shown
$ --today 2024-06-15 --method MACRS --life 7 --export /nonexistent/book.xls
status:        "Cost Missing! " #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
message: [orvane-cli] ignored: --export /nonexistent/book.xls (cmdExport is disabled)
red: lblCost
focus: txtCost
