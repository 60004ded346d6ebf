# Print is disabled until a schedule fills the grid: --print-pdf before --calculate is ignored
$ --today 2024-06-15 --cost 10000 --method MACRS --life 5 --in-service 012004 --print-pdf /dev/null
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         2,000.00          8,000.00 
  2005         3,200.00          4,800.00 
  2006         1,920.00          2,880.00 
  2007         1,152.00          1,728.00 
  2008         1,152.00            576.00 
  2009           576.00               .00 
message: [orvane-cli] ignored: --print-pdf /dev/null (cmdPrint is disabled)
focus: cmdCalculate
# A printed schedule changes nothing in the window
$ --today 2024-06-15 --cost 10000 --method MACRS --life 5 --in-service 012004 --calculate --print-pdf /dev/null
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         2,000.00          8,000.00 
  2005         3,200.00          4,800.00 
  2006         1,920.00          2,880.00 
  2007         1,152.00          1,728.00 
  2008         1,152.00            576.00 
  2009           576.00               .00 
focus: cmdCalculate
# A PDF file that cannot be written is a fault of the printing, shown in the original's form
$ --today 2024-06-15 --cost 10000 --method MACRS --life 5 --in-service 012004 --calculate --print-pdf /nonexistent-folder/schedule.pdf
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         2,000.00          8,000.00 
  2005         3,200.00          4,800.00 
  2006         1,920.00          2,880.00 
  2007         1,152.00          1,728.00 
  2008         1,152.00            576.00 
  2009           576.00               .00 
message: [Print Grid Error] Err: 75[Path/File access error]
focus: cmdCalculate
# After a calculation that stops at validation Print stays enabled; the missing cost faults its line
$ --today 2024-06-15 --cost 10000 --method MACRS --life 5 --in-service 012004 --calculate --cost "" --calculate --print-pdf /dev/null
status:        "Cost Missing! " #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
message: [Print Grid Error] Err: 13[Type mismatch]
red: lblCost
focus: txtCost
# Clear disables Print again
$ --today 2024-06-15 --cost 10000 --method MACRS --life 5 --in-service 012004 --calculate --clear --print
status:        "Cost Missing! " #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
message: [orvane-cli] ignored: --print (cmdPrint is disabled)
red: lblCost
focus: txtCost
# --print-pdf wants a file name
$ --today 2024-06-15 --print-pdf ""
stderr: orvane-cli: option '--print-pdf' takes the name of the PDF file to write, not ''
exit: 2
