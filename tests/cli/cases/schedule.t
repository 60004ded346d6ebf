# MACRS 5 years, half year: six rows from the in-service year
$ --today 2024-06-15 --method MACRS --life 5 --cost 10000 --in-service 012004
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
# Relinquished asset sold two years later: three rows, the third half of the table amount
$ --today 2024-06-15 --asset-type relinquished --method MACRS --life 5 --cost 10000 --in-service 012004 --sold 032006
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         2,000.00          8,000.00 
  2005         3,200.00          4,800.00 
  2006           960.00          3,840.00 
focus: cmdCalculate
# A sale before the in-service year never matches: the full schedule
$ --today 2024-06-15 --asset-type relinquished --method MACRS --life 5 --cost 10000 --in-service 012004 --sold 032002
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
# Replacement asset: cost - sales price + adjusted tax basis is the basis
$ --today 2024-06-15 --asset-type replacement --method MACRS --life 5 --cost 10000 --sales-price 4000 --adj-tax-basis 3000 --in-service 012004
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: "9000"
  Year      Depreciation    Adj. Tax Basis
  2004         1,800.00          7,200.00 
  2005         2,880.00          4,320.00 
  2006         1,728.00          2,592.00 
  2007         1,036.80          1,555.20 
  2008         1,036.80            518.40 
  2009           518.40               .00 
focus: cmdCalculate
# ...with the 30% allowance of the cost already shown the adjusted cost is 6000
$ --today 2024-06-15 --asset-type replacement --method MACRS --life 5 --allowance 30 --cost 10000 --sales-price 4000 --adj-tax-basis 3000 --in-service 012004
status:        "Method: MACRS 200% DB" #0000ff
allowance:     "3000"
adjusted cost: "6000"
  Year      Depreciation    Adj. Tax Basis
  2004         1,200.00          4,800.00 
  2005         1,920.00          2,880.00 
  2006         1,152.00          1,728.00 
  2007           691.20          1,036.80 
  2008           691.20            345.60 
  2009           345.60               .00 
focus: cmdCalculate
# Mid quarter from November, sold in February: an eighth of the year
$ --today 2024-06-15 --asset-type relinquished --method MACRS --life 7 --convention mid-quarter --cost 10000 --in-service 112004 --sold 022007
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004           357.00          9,643.00 
  2005         2,755.00          6,888.00 
  2006         1,968.00          4,920.00 
  2007           175.75          4,744.25 
focus: cmdCalculate
# Mid month, sold in July: 6.5 twelfths
$ --today 2024-06-15 --asset-type relinquished --method MACRS --life 27.5 --cost 100000 --in-service 012004 --sold 072008
status:        "Method: MACRS- Straight Line" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         3,485.00         96,515.00 
  2005         3,636.00         92,879.00 
  2006         3,636.00         89,243.00 
  2007         3,636.00         85,607.00 
  2008         1,969.50         83,637.50 
focus: cmdCalculate
# Typed 31.5: 33 years computed
$ --today 2024-06-15 --method MACRS --type-life 31.5 --cost 100000 --in-service 012004
status:        "Method: MACRS- Straight Line" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         3,042.00         96,958.00 
  2005         3,175.00         93,783.00 
  2006         3,175.00         90,608.00 
  2007         3,175.00         87,433.00 
  2008         3,175.00         84,258.00 
  2009         3,175.00         81,083.00 
  2010         3,175.00         77,908.00 
  2011         3,174.50         74,733.50 
  2012         3,174.52         71,558.98 
  2013         3,174.52         68,384.46 
  2014         3,174.52         65,209.94 
  2015         3,174.52         62,035.42 
  2016         3,174.52         58,860.90 
  2017         3,174.52         55,686.38 
  2018         3,174.52         52,511.86 
  2019         3,174.52         49,337.34 
  2020         3,174.52         46,162.82 
  2021         3,174.52         42,988.30 
  2022         3,174.52         39,813.78 
  2023         3,174.52         36,639.26 
  2024         3,174.52         33,464.74 
  2025         3,174.52         30,290.22 
  2026         3,174.52         27,115.70 
  2027         3,174.52         23,941.18 
  2028         3,174.52         20,766.66 
  2029         3,174.52         17,592.14 
  2030         3,174.52         14,417.62 
  2031         3,174.52         11,243.10 
  2032         3,174.52          8,068.58 
  2033         3,174.52          4,894.06 
  2034         3,174.52          1,719.54 
  2035         1,720.00               .00 
focus: cmdCalculate
# Class life 39: 40 years over four groups
$ --today 2024-06-15 --method MACRS --class "Buildings post 5/12/93 (39)" --cost 100000 --in-service 062004
status:        "Method: MACRS- Straight Line" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         1,391.00         98,609.00 
  2005         2,564.00         96,045.00 
  2006         2,564.00         93,481.00 
  2007         2,564.00         90,917.00 
  2008         2,564.00         88,353.00 
  2009         2,564.00         85,789.00 
  2010         2,564.00         83,225.00 
  2011         2,564.00         80,661.00 
  2012         2,564.00         78,097.00 
  2013         2,564.00         75,533.00 
  2014         2,564.00         72,969.00 
  2015         2,564.00         70,405.00 
  2016         2,564.00         67,841.00 
  2017         2,564.00         65,277.00 
  2018         2,564.00         62,713.00 
  2019         2,564.00         60,149.00 
  2020         2,564.00         57,585.00 
  2021         2,564.00         55,021.00 
  2022         2,564.00         52,457.00 
  2023         2,564.00         49,893.00 
  2024         2,564.00         47,329.00 
  2025         2,564.00         44,765.00 
  2026         2,564.00         42,201.00 
  2027         2,564.00         39,637.00 
  2028         2,564.00         37,073.00 
  2029         2,564.00         34,509.00 
  2030         2,564.00         31,945.00 
  2031         2,564.00         29,381.00 
  2032         2,564.00         26,817.00 
  2033         2,564.00         24,253.00 
  2034         2,564.00         21,689.00 
  2035         2,564.00         19,125.00 
  2036         2,564.00         16,561.00 
  2037         2,564.00         13,997.00 
  2038         2,564.00         11,433.00 
  2039         2,564.00          8,869.00 
  2040         2,564.00          6,305.00 
  2041         2,564.00          3,741.00 
  2042         2,564.00          1,177.00 
  2043         1,177.00               .00 
focus: cmdCalculate
# Neither life nor class
$ --today 2024-06-15 --method MACRS --cost 100000 --in-service 062004
status:        "Please select a life or a class." #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
focus: cmdCalculate
