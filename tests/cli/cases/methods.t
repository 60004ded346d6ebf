# Straight line from April: months in the first and last year, status line empty
$ --today 2024-06-15 --method "Straight Line" --type-life 5 --cost 10000 --in-service 042004
status:        "" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         1,500.00          8,500.00 
  2005         2,000.00          6,500.00 
  2006         2,000.00          4,500.00 
  2007         2,000.00          2,500.00 
  2008         2,000.00            500.00 
  2009           500.00               .00 
focus: cmdCalculate
# A sale year is not cut under straight line
$ --today 2024-06-15 --asset-type relinquished --method Amortize --type-life 5 --cost 10000 --in-service 042004 --sold 122006
status:        "" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         1,500.00          8,500.00 
  2005         2,000.00          6,500.00 
  2006         2,000.00          4,500.00 
focus: cmdCalculate
# ADS 9 years: rates rounded to four places
$ --today 2024-06-15 --method ADS --life 9 --cost 10000 --in-service 012004
status:        "Method: ADS- Straight Line" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004           556.00          9,444.00 
  2005         1,111.11          8,332.89 
  2006         1,111.11          7,221.78 
  2007         1,111.11          6,110.67 
  2008         1,111.11          4,999.56 
  2009         1,111.11          3,888.45 
  2010         1,111.11          2,777.34 
  2011         1,111.11          1,666.23 
  2012         1,111.11            555.12 
  2013           556.00               .00 
focus: cmdCalculate
# ADS mid quarter from November, 6 years
$ --today 2024-06-15 --method ADS --life 6 --convention mid-quarter --cost 10000 --in-service 112004
status:        "Method: ADS- Straight Line" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004           208.00          9,792.00 
  2005         1,666.67          8,125.33 
  2006         1,666.67          6,458.66 
  2007         1,666.67          4,791.99 
  2008         1,666.67          3,125.32 
  2009         1,666.67          1,458.65 
  2010         1,458.00               .00 
focus: cmdCalculate
# ADS on 60% business use
$ --today 2024-06-15 --method ADS --class "Computers & Peripheral(5)" --business 60 --cost 10000 --in-service 012004
status:        "Method: ADS- Straight Line" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004           600.00          5,400.00 
  2005         1,200.00          4,200.00 
  2006         1,200.00          3,000.00 
  2007         1,200.00          1,800.00 
  2008         1,200.00            600.00 
  2009           600.00               .00 
focus: cmdCalculate
# ADS real property: half-year fractions under mid month
$ --today 2024-06-15 --method ADS --class "Real Property, no life (40)" --cost 100000 --in-service 092004
status:        "Method: ADS- Straight Line" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         1,250.00         98,750.00 
  2005         2,500.00         96,250.00 
  2006         2,500.00         93,750.00 
  2007         2,500.00         91,250.00 
  2008         2,500.00         88,750.00 
  2009         2,500.00         86,250.00 
  2010         2,500.00         83,750.00 
  2011         2,500.00         81,250.00 
  2012         2,500.00         78,750.00 
  2013         2,500.00         76,250.00 
  2014         2,500.00         73,750.00 
  2015         2,500.00         71,250.00 
  2016         2,500.00         68,750.00 
  2017         2,500.00         66,250.00 
  2018         2,500.00         63,750.00 
  2019         2,500.00         61,250.00 
  2020         2,500.00         58,750.00 
  2021         2,500.00         56,250.00 
  2022         2,500.00         53,750.00 
  2023         2,500.00         51,250.00 
  2024         2,500.00         48,750.00 
  2025         2,500.00         46,250.00 
  2026         2,500.00         43,750.00 
  2027         2,500.00         41,250.00 
  2028         2,500.00         38,750.00 
  2029         2,500.00         36,250.00 
  2030         2,500.00         33,750.00 
  2031         2,500.00         31,250.00 
  2032         2,500.00         28,750.00 
  2033         2,500.00         26,250.00 
  2034         2,500.00         23,750.00 
  2035         2,500.00         21,250.00 
  2036         2,500.00         18,750.00 
  2037         2,500.00         16,250.00 
  2038         2,500.00         13,750.00 
  2039         2,500.00         11,250.00 
  2040         2,500.00          8,750.00 
  2041         2,500.00          6,250.00 
  2042         2,500.00          3,750.00 
  2043         2,500.00          1,250.00 
  2044         1,250.00               .00 
focus: cmdCalculate
# MACRS 5-year at 60% business use: the rates and the grid basis carry it
$ --today 2024-06-15 --method MACRS --life 5 --business 60 --cost 10000 --in-service 012004
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         1,200.00          4,800.00 
  2005         1,920.00          2,880.00 
  2006         1,152.00          1,728.00 
  2007           691.20          1,036.80 
  2008           691.20            345.60 
  2009           345.60               .00 
focus: cmdCalculate
# Mid quarter with a typed real-property life: one box per year
$ --today 2024-06-15 --method MACRS --convention mid-quarter --type-life 39 --cost 10000 --in-service 082004
status:        "" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004              .00         10,000.00 
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
message: [MACRS 3 Error] Err: 9[Subscript out of range]
focus: cmdCalculate
# Straight line from January: a full first year; the last year is 0 and not shown
$ --today 2024-06-15 --method "Straight Line" --type-life 5 --cost 10000 --in-service 012004
status:        "" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         2,000.00          8,000.00 
  2005         2,000.00          6,000.00 
  2006         2,000.00          4,000.00 
  2007         2,000.00          2,000.00 
  2008         2,000.00               .00 
focus: cmdCalculate
# MACRS mid quarter from February, 7 years: years 5 to 7 at 8.74, 8.75 and 8.74 percent
$ --today 2024-06-15 --method MACRS --life 7 --convention mid-quarter --cost 10000 --in-service 022004
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         2,500.00          7,500.00 
  2005         2,143.00          5,357.00 
  2006         1,531.00          3,826.00 
  2007         1,093.00          2,733.00 
  2008           874.00          1,859.00 
  2009           875.00            984.00 
  2010           874.00            110.00 
  2011           109.00              1.00 
focus: cmdCalculate
