# Straight Line after MACRS closes the class list, the conventions and the allowances, and drops the allowance shown
$ --today 2024-06-15 --method MACRS --life 5 --allowance 30 --cost 1000 --method "Straight Line" --class "Desks (7)" --convention mid-quarter --allowance 30 --type-life 3 --in-service 012004
status:        "" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004           333.33            666.67 
  2005           333.33            333.34 
  2006           333.33               .00 
message: [orvane-cli] ignored: --class Desks (7) (cboClass is disabled)
message: [orvane-cli] ignored: --convention mid-quarter (optConvention(1) is disabled)
message: [orvane-cli] ignored: --allowance 30 (chkBonus is disabled)
focus: cmdCalculate
# A 5-year class that is not listed property leaves the business use open after a listed one; a 7-year class closes it
$ --today 2024-06-15 --method MACRS --class "Automobiles (5)" --class "Buses (5)" --business 50 --class "Desks (7)" --business 60 --cost 1000 --in-service 012004
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004           142.90            857.10 
  2005           244.90            612.20 
  2006           174.90            437.30 
  2007           124.90            312.40 
  2008            89.30            223.10 
  2009            89.20            133.90 
  2010            89.30             44.60 
  2011            44.60               .00 
message: [orvane-cli] ignored: --business 60 (txtBusinessPercent is disabled)
focus: cmdCalculate
# A truck is no listed property: its business use stays closed
$ --today 2024-06-15 --method MACRS --class "Truck/Van (5)" --business 60 --cost 1000 --in-service 012004
status:        "Method: MACRS-200% DB Luxury Auto" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004           200.00            800.00 
  2005           320.00            480.00 
  2006           192.00            288.00 
  2007           115.20            172.80 
  2008           115.20             57.60 
  2009            57.60               .00 
message: [orvane-cli] ignored: --business 60 (txtBusinessPercent is disabled)
focus: cmdCalculate
# A real-property life locks mid month and closes the 50% allowance it had
$ --today 2024-06-15 --method MACRS --life 5 --allowance 50 --life 27.5 --allowance 50 --convention half-year --cost 100000 --in-service 062004
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
message: [orvane-cli] ignored: --allowance 50 (chkBonus50 is disabled)
message: [orvane-cli] ignored: --convention half-year (optConvention(0) is disabled)
focus: cmdCalculate
# A real-property class keeps mid month; a 7-year class gives back half year and closes mid month
$ --today 2024-06-15 --method MACRS --life 27.5 --class "Mobile Homes (27.5)" --convention half-year --class "Desks (7)" --convention mid-month --cost 1000 --in-service 012004
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004           142.90            857.10 
  2005           244.90            612.20 
  2006           174.90            437.30 
  2007           124.90            312.40 
  2008            89.30            223.10 
  2009            89.20            133.90 
  2010            89.30             44.60 
  2011            44.60               .00 
message: [orvane-cli] ignored: --convention half-year (optConvention(0) is disabled)
message: [orvane-cli] ignored: --convention mid-month (optConvention(2) is disabled)
focus: cmdCalculate
# The allowance follows the life and the method: none for ADS 20 years or real property, one for a copier and land improvements
$ --today 2024-06-15 --method MACRS --life 20 --allowance 30 --method ADS --life 20 --allowance 30 --class "Copier (6)" --class "Real Property, no life (40)" --allowance 30 --convention half-year --class "Land Improvements (20)" --allowance 30 --cost 1000 --in-service 012004
status:        "Method: ADS- Straight Line" #0000ff
allowance:     "300"
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004            25.00            675.00 
  2005            50.00            625.00 
  2006            50.00            575.00 
  2007            50.00            525.00 
  2008            50.00            475.00 
  2009            50.00            425.00 
  2010            50.00            375.00 
  2011            50.00            325.00 
  2012            50.00            275.00 
  2013            50.00            225.00 
  2014            50.00            175.00 
  2015            50.00            125.00 
  2016            50.00             75.00 
  2017            50.00             25.00 
  2018            50.00               .00 
  2019            50.00               .00 
  2020            50.00               .00 
  2021            50.00               .00 
  2022            50.00               .00 
  2023            50.00               .00 
  2024            25.00               .00 
message: [orvane-cli] ignored: --allowance 30 (chkBonus is disabled)
message: [orvane-cli] ignored: --allowance 30 (chkBonus is disabled)
message: [orvane-cli] ignored: --convention half-year (optConvention(0) is disabled)
focus: cmdCalculate
# Clear keeps the asset type (the date sold stays open) and closes mid month and Print again
$ --today 2024-06-15 --asset-type relinquished --method MACRS --life 27.5 --cost 5000 --sold 012010 --calculate --clear --sold 062011 --convention mid-month --print-pdf /dev/null --method MACRS --life 5 --cost 1000 --in-service 012004
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004           200.00            800.00 
  2005           320.00            480.00 
  2006           192.00            288.00 
  2007           115.20            172.80 
  2008           115.20             57.60 
  2009            57.60               .00 
message: [orvane-cli] ignored: --convention mid-month (optConvention(2) is disabled)
message: [orvane-cli] ignored: --print-pdf /dev/null (cmdPrint is disabled)
focus: cmdCalculate
# The cost keeps 10 characters and the business use 4: 1234567890 at 55.5%
$ --today 2024-06-15 --method MACRS --life 5 --cost 12345678901 --business .5555 --in-service 012004
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004   137,037,035.79    548,148,143.16 
  2005   219,259,257.26    328,888,885.90 
  2006   131,555,554.36    197,333,331.54 
  2007    78,933,332.62    118,399,998.92 
  2008    78,933,332.62     39,466,666.30 
  2009    39,466,666.31               .00 
focus: cmdCalculate
# A replacement asset takes the basis left by the relinquished one just computed (5,247.50 after three years): the adjusted cost is 10000 - 4000 + 5247.5
$ --today 2024-06-15 --asset-type relinquished --method MACRS --life 7 --cost 10000 --in-service 012004 --sold 062006 --calculate --asset-type replacement --sales-price 4000 --in-service 072006
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: "11247.5"
  Year      Depreciation    Adj. Tax Basis
  2006         1,607.27          9,640.23 
  2007         2,754.51          6,885.72 
  2008         1,967.19          4,918.53 
  2009         1,404.81          3,513.72 
  2010         1,004.40          2,509.32 
  2011         1,003.28          1,506.04 
  2012         1,004.40            501.64 
  2013           501.64               .00 
focus: cmdCalculate
