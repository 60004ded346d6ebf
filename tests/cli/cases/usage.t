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
