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
# An empty cost
$ --today 2024-06-15 --method MACRS --life 5 --in-service 012004
status:        "Cost Missing! " #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
red: lblCost
focus: txtCost
# A cost of 0
$ --today 2024-06-15 --method MACRS --life 5 --cost 0 --in-service 012004
status:        "Cost Missing! " #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
red: lblCost
focus: txtCost
# Nothing typed into the in-service box
$ --today 2024-06-15 --method MACRS --life 5 --cost 100 --in-service ''
status:        "In service date is missing! " #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
red: lblInService
focus: txtInService
# Month 00
$ --today 2024-06-15 --method MACRS --life 5 --cost 100 --in-service 002004
status:        "In service date is invalid! " #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
red: lblInService
focus: txtInService
# December and January pass the month check
$ --today 2024-06-15 --method ADS --life 5 --cost 100 --in-service 122004
status:        "Method: ADS- Straight Line" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004            10.00             90.00 
  2005            20.00             70.00 
  2006            20.00             50.00 
  2007            20.00             30.00 
  2008            20.00             10.00 
  2009            10.00               .00 
focus: cmdCalculate
$ --today 2024-06-15 --method ADS --life 5 --cost 100 --in-service 012004
status:        "Method: ADS- Straight Line" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004            10.00             90.00 
  2005            20.00             70.00 
  2006            20.00             50.00 
  2007            20.00             30.00 
  2008            20.00             10.00 
  2009            10.00               .00 
focus: cmdCalculate
# Straight line without a life
$ --today 2024-06-15 --method "Straight Line" --cost 100 --in-service 012004
status:        "Life Missing! " #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
red: lblLife
focus: cboLife
# 43 passes the limit of 43 years and fails the MACRS lives
$ --today 2024-06-15 --method MACRS --type-life 43 --cost 100 --in-service 012004
status:        "Life must be 3,5,7,10,15,20,27.5,31.5,39! " #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
focus: cmdCalculate
# MACRS with 6, and with 27.5, 31.5 and 39 typed
$ --today 2024-06-15 --method MACRS --type-life 6 --cost 100 --in-service 012004
status:        "Life must be 3,5,7,10,15,20,27.5,31.5,39! " #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
focus: cmdCalculate
$ --today 2024-06-15 --method MACRS --type-life 39 --cost 100000 --in-service 012004
status:        "Method: MACRS- Straight Line" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         2,461.00         97,539.00 
  2005         2,564.00         94,975.00 
  2006         2,564.00         92,411.00 
  2007         2,564.00         89,847.00 
  2008         2,564.00         87,283.00 
  2009         2,564.00         84,719.00 
  2010         2,564.00         82,155.00 
  2011         2,564.00         79,591.00 
  2012         2,564.00         77,027.00 
  2013         2,564.00         74,463.00 
  2014         2,564.00         71,899.00 
  2015         2,564.00         69,335.00 
  2016         2,564.00         66,771.00 
  2017         2,564.00         64,207.00 
  2018         2,564.00         61,643.00 
  2019         2,564.00         59,079.00 
  2020         2,564.00         56,515.00 
  2021         2,564.00         53,951.00 
  2022         2,564.00         51,387.00 
  2023         2,564.00         48,823.00 
  2024         2,564.00         46,259.00 
  2025         2,564.00         43,695.00 
  2026         2,564.00         41,131.00 
  2027         2,564.00         38,567.00 
  2028         2,564.00         36,003.00 
  2029         2,564.00         33,439.00 
  2030         2,564.00         30,875.00 
  2031         2,564.00         28,311.00 
  2032         2,564.00         25,747.00 
  2033         2,564.00         23,183.00 
  2034         2,564.00         20,619.00 
  2035         2,564.00         18,055.00 
  2036         2,564.00         15,491.00 
  2037         2,564.00         12,927.00 
  2038         2,564.00         10,363.00 
  2039         2,564.00          7,799.00 
  2040         2,564.00          5,235.00 
  2041         2,564.00          2,671.00 
  2042         2,564.00            107.00 
  2043           107.00               .00 
focus: cmdCalculate
# Business use read as a percentage or a fraction: 1, .5, 5.5 and 101 fail under MACRS
$ --today 2024-06-15 --method MACRS --life 5 --business 1 --cost 100 --in-service 012004
status:        "MACRS Buisness Percent must be between 51% and 100%. Use ADS for less then 50%." #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
focus: cmdCalculate
$ --today 2024-06-15 --method MACRS --life 5 --business .5 --cost 100 --in-service 012004
status:        "MACRS Buisness Percent must be between 51% and 100%. Use ADS for less then 50%." #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
focus: cmdCalculate
$ --today 2024-06-15 --method MACRS --life 5 --business 5.5 --cost 100 --in-service 012004
status:        "MACRS Buisness Percent must be between 51% and 100%. Use ADS for less then 50%." #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
focus: cmdCalculate
$ --today 2024-06-15 --method MACRS --life 5 --business 101 --cost 100 --in-service 012004
status:        "MACRS Buisness Percent must be between 51% and 100%. Use ADS for less then 50%." #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
focus: cmdCalculate
# 51, 0, 75.5 and an empty field pass under MACRS; 30 passes under ADS
$ --today 2024-06-15 --method MACRS --life 5 --business 51 --cost 100 --in-service 012004
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004            10.20             40.80 
  2005            16.32             24.48 
  2006             9.79             14.69 
  2007             5.88              8.81 
  2008             5.88              2.93 
  2009             2.94               .00 
focus: cmdCalculate
$ --today 2024-06-15 --method MACRS --life 5 --business 0 --cost 100 --in-service 012004
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004              .00               .00 
focus: cmdCalculate
$ --today 2024-06-15 --method MACRS --life 5 --business 75.5 --cost 100 --in-service 012004
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004            15.10             60.40 
  2005            24.16             36.24 
  2006            14.50             21.74 
  2007             8.70             13.04 
  2008             8.70              4.34 
  2009             4.35               .00 
focus: cmdCalculate
$ --today 2024-06-15 --method ADS --life 5 --business 30 --cost 100 --in-service 012004
status:        "Method: ADS- Straight Line" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004             3.00             27.00 
  2005             6.00             21.00 
  2006             6.00             15.00 
  2007             6.00              9.00 
  2008             6.00              3.00 
  2009             3.00               .00 
focus: cmdCalculate
# Adjusted tax basis without a sales price
$ --today 2024-06-15 --asset-type replacement --method MACRS --life 7 --cost 100 --adj-tax-basis 100 --in-service 012004
status:        "Sales Price is required if Adj Tax Basis is populated! " #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
red: lblSalesPrice
focus: txtSalesPrice
# The 30% allowance in September 2001 passes; the 50% allowance in April 2003 fails; the 100%
# allowance has no date
$ --today 2024-06-15 --method MACRS --life 7 --allowance 30 --cost 100 --in-service 092001
status:        "Method: MACRS 200% DB" #0000ff
allowance:     "30"
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2001            10.00             60.00 
  2002            17.14             42.86 
  2003            12.24             30.62 
  2004             8.74             21.88 
  2005             6.25             15.63 
  2006             6.24              9.39 
  2007             6.25              3.14 
  2008             3.12               .00 
focus: cmdCalculate
$ --today 2024-06-15 --method MACRS --life 7 --allowance 50 --cost 100 --in-service 042003
status:        "In service date needs to be after 5/5/2003! " #ff0000
allowance:     "50"
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
red: chkBonus50
focus: cmdCalculate
$ --today 2024-06-15 --method MACRS --life 7 --allowance 100 --cost 100 --in-service 011990
status:        "Method: MACRS 200% DB" #0000ff
allowance:     "100"
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  1990              .00               .00 
focus: cmdCalculate
# A vehicle at 0% business use: the business use is required
$ --today 2024-06-15 --method MACRS --class "Automobiles (5)" --business 0 --cost 30000 --in-service 012004
status:        "Business Percent is required." #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
red: lblAutoBusiness
focus: cmdCalculate
