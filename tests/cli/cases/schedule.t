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
# Mid quarter from February, 15 years (150% DB): 8.75 percent first, 0.74 percent in year 16
$ --today 2024-06-15 --method MACRS --life 15 --convention mid-quarter --cost 123456.78 --in-service 022004
status:        "Method: MACRS 150% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004        10,802.47        112,654.31 
  2005        11,271.60        101,382.71 
  2006        10,135.80         91,246.91 
  2007         9,123.46         82,123.45 
  2008         8,209.88         73,913.57 
  2009         7,395.06         66,518.51 
  2010         7,283.95         59,234.56 
  2011         7,296.30         51,938.26 
  2012         7,283.95         44,654.31 
  2013         7,296.30         37,358.01 
  2014         7,283.95         30,074.06 
  2015         7,296.30         22,777.76 
  2016         7,283.95         15,493.81 
  2017         7,296.30          8,197.51 
  2018         7,283.95            913.56 
  2019           913.58               .00 
focus: cmdCalculate
# Mid quarter from May, 3 years: 41.67 percent first, 5.30 percent in year 4
$ --today 2024-06-15 --method MACRS --life 3 --convention mid-quarter --cost 123456.78 --in-service 052004
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004        51,444.44         72,012.34 
  2005        48,012.34         24,000.00 
  2006        17,456.79          6,543.21 
  2007         6,543.21               .00 
focus: cmdCalculate
# Mid quarter from August, 20 years (150% DB): 2.813 percent first, 2.788 percent in year 21
$ --today 2024-06-15 --method MACRS --life 20 --convention mid-quarter --cost 123456.78 --in-service 082004
status:        "Method: MACRS 150% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         3,472.84        119,983.94 
  2005         8,998.76        110,985.18 
  2006         8,323.46        102,661.72 
  2007         7,700.00         94,961.72 
  2008         7,122.22         87,839.50 
  2009         6,587.65         81,251.85 
  2010         6,093.83         75,158.02 
  2011         5,637.04         69,520.98 
  2012         5,506.17         64,014.81 
  2013         5,506.17         58,508.64 
  2014         5,506.17         53,002.47 
  2015         5,506.17         47,496.30 
  2016         5,507.41         41,988.89 
  2017         5,506.17         36,482.72 
  2018         5,507.41         30,975.31 
  2019         5,506.17         25,469.14 
  2020         5,507.41         19,961.73 
  2021         5,506.17         14,455.56 
  2022         5,507.41          8,948.15 
  2023         5,506.17          3,441.98 
  2024         3,441.98               .00 
focus: cmdCalculate
# Mid quarter from November, 10 years: 2.50 percent first, 5.74 percent in year 11
$ --today 2024-06-15 --method MACRS --life 10 --convention mid-quarter --cost 123456.78 --in-service 112004
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         3,086.42        120,370.36 
  2005        24,074.07         96,296.29 
  2006        19,259.26         77,037.03 
  2007        15,407.41         61,629.62 
  2008        12,320.99         49,308.63 
  2009         9,864.20         39,444.43 
  2010         8,086.42         31,358.01 
  2011         8,086.42         23,271.59 
  2012         8,098.76         15,172.83 
  2013         8,086.42          7,086.41 
  2014         7,086.42               .00 
focus: cmdCalculate
# Typed 27.5 from June: 1.970 percent first, 28 rows
$ --today 2024-06-15 --method MACRS --type-life 27.5 --cost 100000 --in-service 062004
status:        "Method: MACRS- Straight Line" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         1,970.00         98,030.00 
  2005         3,636.00         94,394.00 
  2006         3,636.00         90,758.00 
  2007         3,636.00         87,122.00 
  2008         3,636.00         83,486.00 
  2009         3,636.00         79,850.00 
  2010         3,636.00         76,214.00 
  2011         3,636.00         72,578.00 
  2012         3,636.00         68,942.00 
  2013         3,636.50         65,305.50 
  2014         3,636.50         61,669.00 
  2015         3,636.50         58,032.50 
  2016         3,636.50         54,396.00 
  2017         3,636.50         50,759.50 
  2018         3,636.50         47,123.00 
  2019         3,636.50         43,486.50 
  2020         3,636.50         39,850.00 
  2021         3,636.50         36,213.50 
  2022         3,636.50         32,577.00 
  2023         3,636.50         28,940.50 
  2024         3,636.50         25,304.00 
  2025         3,636.50         21,667.50 
  2026         3,636.50         18,031.00 
  2027         3,636.50         14,394.50 
  2028         3,636.50         10,758.00 
  2029         3,636.50          7,121.50 
  2030         3,636.50          3,485.00 
  2031         3,485.00               .00 
focus: cmdCalculate
# Typed 39 from December: 0.107 percent first, 40 rows
$ --today 2024-06-15 --method MACRS --type-life 39 --cost 100000 --in-service 122004
status:        "Method: MACRS- Straight Line" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004           107.00         99,893.00 
  2005         2,564.00         97,329.00 
  2006         2,564.00         94,765.00 
  2007         2,564.00         92,201.00 
  2008         2,564.00         89,637.00 
  2009         2,564.00         87,073.00 
  2010         2,564.00         84,509.00 
  2011         2,564.00         81,945.00 
  2012         2,564.00         79,381.00 
  2013         2,564.00         76,817.00 
  2014         2,564.00         74,253.00 
  2015         2,564.00         71,689.00 
  2016         2,564.00         69,125.00 
  2017         2,564.00         66,561.00 
  2018         2,564.00         63,997.00 
  2019         2,564.00         61,433.00 
  2020         2,564.00         58,869.00 
  2021         2,564.00         56,305.00 
  2022         2,564.00         53,741.00 
  2023         2,564.00         51,177.00 
  2024         2,564.00         48,613.00 
  2025         2,564.00         46,049.00 
  2026         2,564.00         43,485.00 
  2027         2,564.00         40,921.00 
  2028         2,564.00         38,357.00 
  2029         2,564.00         35,793.00 
  2030         2,564.00         33,229.00 
  2031         2,564.00         30,665.00 
  2032         2,564.00         28,101.00 
  2033         2,564.00         25,537.00 
  2034         2,564.00         22,973.00 
  2035         2,564.00         20,409.00 
  2036         2,564.00         17,845.00 
  2037         2,564.00         15,281.00 
  2038         2,564.00         12,717.00 
  2039         2,564.00         10,153.00 
  2040         2,564.00          7,589.00 
  2041         2,564.00          5,025.00 
  2042         2,564.00          2,461.00 
  2043         2,461.00               .00 
focus: cmdCalculate
# Typed 27.5 from March, and the class of 27.5 years below: the same rows
$ --today 2024-06-15 --method MACRS --type-life 27.5 --cost 100000 --in-service 032004
status:        "Method: MACRS- Straight Line" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         2,879.00         97,121.00 
  2005         3,636.00         93,485.00 
  2006         3,636.00         89,849.00 
  2007         3,636.00         86,213.00 
  2008         3,636.00         82,577.00 
  2009         3,636.00         78,941.00 
  2010         3,636.00         75,305.00 
  2011         3,636.00         71,669.00 
  2012         3,636.00         68,033.00 
  2013         3,636.50         64,396.50 
  2014         3,636.50         60,760.00 
  2015         3,636.50         57,123.50 
  2016         3,636.50         53,487.00 
  2017         3,636.50         49,850.50 
  2018         3,636.50         46,214.00 
  2019         3,636.50         42,577.50 
  2020         3,636.50         38,941.00 
  2021         3,636.50         35,304.50 
  2022         3,636.50         31,668.00 
  2023         3,636.50         28,031.50 
  2024         3,636.50         24,395.00 
  2025         3,636.50         20,758.50 
  2026         3,636.50         17,122.00 
  2027         3,636.50         13,485.50 
  2028         3,636.50          9,849.00 
  2029         3,636.50          6,212.50 
  2030         3,636.50          2,576.00 
  2031         2,576.00               .00 
focus: cmdCalculate
# The class of 27.5 years: the rows above
$ --today 2024-06-15 --method MACRS --class "Buildings residential 27.5)" --cost 100000 --in-service 032004
status:        "Method: MACRS- Straight Line" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         2,879.00         97,121.00 
  2005         3,636.00         93,485.00 
  2006         3,636.00         89,849.00 
  2007         3,636.00         86,213.00 
  2008         3,636.00         82,577.00 
  2009         3,636.00         78,941.00 
  2010         3,636.00         75,305.00 
  2011         3,636.00         71,669.00 
  2012         3,636.00         68,033.00 
  2013         3,636.50         64,396.50 
  2014         3,636.50         60,760.00 
  2015         3,636.50         57,123.50 
  2016         3,636.50         53,487.00 
  2017         3,636.50         49,850.50 
  2018         3,636.50         46,214.00 
  2019         3,636.50         42,577.50 
  2020         3,636.50         38,941.00 
  2021         3,636.50         35,304.50 
  2022         3,636.50         31,668.00 
  2023         3,636.50         28,031.50 
  2024         3,636.50         24,395.00 
  2025         3,636.50         20,758.50 
  2026         3,636.50         17,122.00 
  2027         3,636.50         13,485.50 
  2028         3,636.50          9,849.00 
  2029         3,636.50          6,212.50 
  2030         3,636.50          2,576.00 
  2031         2,576.00               .00 
focus: cmdCalculate
# Mid quarter with a typed 39 from February: one box per year under the first quarter's title
$ --today 2024-06-15 --method MACRS --convention mid-quarter --type-life 39 --cost 10000 --in-service 022004
status:        "" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004              .00         10,000.00 
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
message: [MACRS Error] Err: 9[Subscript out of range]
focus: cmdCalculate
# ...from May: the second quarter's title
$ --today 2024-06-15 --method MACRS --convention mid-quarter --type-life 39 --cost 10000 --in-service 052004
status:        "" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004              .00         10,000.00 
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
message: [MACRS 2 Error] Err: 9[Subscript out of range]
focus: cmdCalculate
# ...from November: the third quarter's title, as from August
$ --today 2024-06-15 --method MACRS --convention mid-quarter --type-life 39 --cost 10000 --in-service 112004
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
# Mid quarter from November, 7 years, not sold
$ --today 2024-06-15 --asset-type relinquished --method MACRS --life 7 --convention mid-quarter --cost 10000 --in-service 112004
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004           357.00          9,643.00 
  2005         2,755.00          6,888.00 
  2006         1,968.00          4,920.00 
  2007         1,406.00          3,514.00 
  2008         1,004.00          2,510.00 
  2009           873.00          1,637.00 
  2010           873.00            764.00 
  2011           764.00               .00 
focus: cmdCalculate
# ...sold in December of its third year: seven eighths of that year's amount above
$ --today 2024-06-15 --asset-type relinquished --method MACRS --life 7 --convention mid-quarter --cost 10000 --in-service 112004 --sold 122006
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004           357.00          9,643.00 
  2005         2,755.00          6,888.00 
  2006         1,722.00          5,166.00 
focus: cmdCalculate
# ADS at 1% business use: one percent of the amount, the rest of the cost left in the grid
$ --today 2024-06-15 --method ADS --life 5 --business 1 --cost 10000 --in-service 012004
status:        "Method: ADS- Straight Line" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004            10.00          9,990.00 
  2005            20.00          9,970.00 
  2006            20.00          9,950.00 
  2007            20.00          9,930.00 
  2008            20.00          9,910.00 
  2009            10.00          9,900.00 
focus: cmdCalculate
