# Cost that is a lone point
$ --today 2024-06-15 --method MACRS --life 5 --cost . --in-service 012004
status:        "Cost Missing! " #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
red: lblCost
focus: txtCost
# Two faults: only the first is reported
$ --today 2024-06-15 --cost 100 --in-service 132004
status:        "Method Missing! " #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
red: lblMethod
focus: cboMethod
# Life over 43 under any method
$ --today 2024-06-15 --method "Straight Line" --type-life 44 --cost 100 --in-service 012004
status:        "Life Can't be greater than 43! " #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
red: lblLife
focus: cboLife
# A MACRS life without a table
$ --today 2024-06-15 --method MACRS --type-life 40 --cost 100 --in-service 012004
status:        "Life must be 3,5,7,10,15,20,27.5,31.5,39! " #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
focus: cmdCalculate
# Business use of 50 under MACRS
$ --today 2024-06-15 --method MACRS --life 5 --business 50 --cost 100 --in-service 012004
status:        "MACRS Buisness Percent must be between 51% and 100%. Use ADS for less then 50%." #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
focus: cmdCalculate
# Sales price without adjusted tax basis
$ --today 2024-06-15 --asset-type replacement --method MACRS --life 7 --cost 100 --sales-price 100 --in-service 012004
status:        "Adj Tax Basis is required if Sales Price is populated! " #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
red: lblAdjTaxBasis
focus: txtAdjTaxBasis
# The 30% allowance before September 2001
$ --today 2024-06-15 --method MACRS --life 7 --allowance 30 --cost 100 --in-service 082001
status:        "In service date needs to be after 9/2001! " #ff0000
allowance:     "30"
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
red: chkBonus
focus: cmdCalculate
# The 50% allowance in May 2003 passes
$ --today 2024-06-15 --method MACRS --life 7 --allowance 50 --cost 100 --in-service 052003
status:        "Method: MACRS 200% DB" #0000ff
allowance:     "50"
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2003             7.15             42.86 
  2004            12.25             30.62 
  2005             8.75             21.88 
  2006             6.25             15.64 
  2007             4.47             11.18 
  2008             4.46              6.72 
  2009             4.47              2.26 
  2010             2.23               .00 
focus: cmdCalculate
